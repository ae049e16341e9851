#include "maintenance/DefaultLines.h"

#include "common/LineFile.h"

namespace {

// One line of the procedures file: a CGI query parser, its lines joined by the new-line macro.
QString queryParserCode()
{
    const QStringList lines = {
        QStringLiteral("#$buffer = $ENV{'QUERY_STRING'};"),
        QStringLiteral("@pairs = split(/&/, $buffer);"),
        QStringLiteral("foreach $pair (@pairs) {"),
        QStringLiteral("   ($name, $value) = split(/=/, $pair);"),
        QStringLiteral("   $value =~ tr/+/ /;"),
        QStringLiteral("   $value =~ s/%([a-fA-F0-9][a-fA-F0-9])/pack(\"C\", hex($1))/eg;"),
        QStringLiteral("   $value =~ s/<!--(.|\\n)*-->//g;"),
        QStringLiteral("   $value =~ s/<([^>]|\\n)*>//g;"),
        QStringLiteral("   $FORM{$name} = $value;"),
        QStringLiteral("}"),
    };
    return lines.join(QStringLiteral("%2"));
}

} // namespace

QStringList defaultHTMLToolbarLines()
{
    return {
        QStringLiteral("2:0:Standard"),
        QStringLiteral("1:6:HR (<HR>):<HR>"),
        QStringLiteral("1:5:BR (<BR>):<BR>"),
        QStringLiteral("1:4:Center (<CENTER>):<CENTER>%1</CENTER>"),
        QStringLiteral("1:3:Underline (<U>):<U>%1</U>"),
        QStringLiteral("1:2:Italic (<I>):<I>%1</I>"),
        QStringLiteral("1:1:Bold (<B>):<B>%1</B>"),
        QStringLiteral("2:7:Graphics"),
        QStringLiteral("1:7:Image (<IMG>):<IMG SRC=\"\" ALT=\"%1\">"),
        QStringLiteral("2:8:Lists"),
        QStringLiteral("1:11:List item (<LI>):<LI>%1"),
        QStringLiteral("1:10:List (<OL>):<OL>%2%1%2</OL>"),
        QStringLiteral("1:9:List (<UL>):<UL>%2%1%2</UL>"),
    };
}

QStringList defaultCstProcsLines()
{
    return {
        QStringLiteral("SECTION_0"),
        QStringLiteral("my(%1) = @_[0]"),
        QStringLiteral("#my(%1) = @_[0]"),
        QStringLiteral("%1++"),
        QStringLiteral("%1--"),
        QStringLiteral("my(%1);"),
        QStringLiteral("local(%1);"),
        QStringLiteral("@_"),
        QStringLiteral("$_"),
        QStringLiteral("!/usr/local/bin/perl"),
        QStringLiteral("##!/usr/local/bin/perl"),
        QStringLiteral("SECTION_1"),
        QStringLiteral("print;"),
        QStringLiteral("#print;"),
        QStringLiteral("print(\"%1\");"),
        QStringLiteral("print('%1');"),
        QStringLiteral("print <<EOF;"),
        QStringLiteral("#print <<EOF;%2%1%2EOF"),
        QStringLiteral("SECTION_2"),
        QStringLiteral("%1 = <STDIN>;"),
        QStringLiteral("Analize query"),
        queryParserCode(),
    };
}

QStringList defaultMIMETypesLines()
{
    return {
        QStringLiteral("TEXT/HTML"),
        QStringLiteral(".html"),
        QStringLiteral("TEXT/PLAIN"),
        QStringLiteral(".txt"),
    };
}

QStringList defaultLines(HostFile file)
{
    switch (file) {
    case HostFile::Toolbar:
        return defaultHTMLToolbarLines();
    case HostFile::Procedures:
        return defaultCstProcsLines();
    case HostFile::MimeTypes:
        return defaultMIMETypesLines();
    case HostFile::ImageStrip:
        break;
    }
    return {};
}

void writeDefaultLines(LineSink& lines, HostFile file)
{
    for (const QString& line : defaultLines(file)) {
        lines.add(line.toUtf8());
        lines.endLine();
    }
}
