#!/usr/bin/env bash
# Writes the hand-made seeds of the corpus from explicit bytes. The "built-in" seeds are the
# files that halvex-demo-profile writes.
set -euo pipefail
cd "$(dirname "$0")/corpus"
seed() { printf "$2" > "$1"; }

seed linefile/crlf 'a\r\nb\r\n'
seed linefile/cr-only 'a\rb\r'
seed linefile/lf-only 'a\nb\n'
seed linefile/no-final-break 'a\r\nb'
seed linefile/nul-byte 'a\r\nb\000c\r\n'
seed linefile/high-bytes '\200\201\215\217\220\235\237\240\377\r\n'
seed linefile/empty-lines '\r\n\n\r\r\n'

seed toolbar/worked-example '2:0:Standard\r\n1:2:Italic (<I>):<I>%%1</I>\r\n1:1:Bold (<B>):<B>%%1</B>\r\n2:8:Lists\r\n1:10:List (<OL>):<OL>%%2%%1%%2</OL>\r\n1:9:List (<UL>):<UL>%%2%%1%%2</UL>\r\n'
seed toolbar/leading-tags '1:1:A:a\r\n1:2:B:b\r\n2:0:C\r\n1:3:T:t:extra\r\n'
seed toolbar/odd-kinds-and-indexes '3:4:C\r\n:5:D\r\n 1:  7:E\r\n01:-3:F\r\n2:+9\r\n'
seed toolbar/bad-index '2:0:A\r\n2:x8:B\r\n2:1:C\r\n'
seed toolbar/overflow '2:2147483647:A\r\n2:2147483648:B\r\n'
seed toolbar/empty-line '2:0:A\r\n\r\n2:1:B\r\n'

seed mime/odd-line-count 'TEXT/HTML\r\n.html\r\ntext/plain\r\n'
seed mime/blank-line-shifts-pairs 'TEXT/HTML\r\n.html\r\n\r\nTEXT/PLAIN\r\n.txt\r\n'
seed mime/case-and-blanks ' text/x-perl \r\n .PL \r\n\xe9t\xe9/\xff\r\n.\xe9\r\n'

seed procedures/worked-example 'SECTION_0\r\n%%1++\r\n%%1--\r\nSECTION_1\r\nprint;\r\n#print;\r\nprint <<EOF;\r\n#print <<EOF;%%2%%1%%2EOF\r\n'
seed procedures/code-line-kinds 'SECTION_12\r\n#not code\r\nA\r\n##one hash\r\n#after code\r\nB\r\n\r\n#\r\nSECTION_7\r\n'
seed procedures/bad-header 'SECTION_0\r\nA\r\nSECTION_x\r\nB\r\n'
seed procedures/procedure-first 'A\r\nSECTION_0\r\n'

seed hostsettings/nul-in-value '[TMainWindow]\nOpt_AppPath=/home/ann\000/etc/\n'
seed hostsettings/bom-crlf '\357\273\277[TMainWindow]\r\nOpt_AppPath=/a b/\r\n'
seed hostsettings/cr-only-and-sections '[Other]\rOpt_AppPath=/x/\r[ tmainwindow ]\r opt_apppath =/y/\r'
seed hostsettings/no-section-or-equals '[\n]\n[TMainWindow\nOpt_AppPath\n=\n'
seed hostsettings/broken-utf8 '[TMainWindow]\nOpt_AppPath=/\303\n\377=\342\202'
seed procedures/lower-case-header 'SECTION_2\r\nsection_0\r\n SECTION_1\r\n'
