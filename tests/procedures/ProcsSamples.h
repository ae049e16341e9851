#pragma once

#include <QByteArray>

// A file made of lines of the built-in defaults, and the same file as the editor writes it back:
// with a code line after every procedure.
inline const QByteArray workedExample = "SECTION_0\r\n"
                                        "%1++\r\n"
                                        "%1--\r\n"
                                        "SECTION_1\r\n"
                                        "print;\r\n"
                                        "#print;\r\n"
                                        "print <<EOF;\r\n"
                                        "#print <<EOF;%2%1%2EOF\r\n";

inline const QByteArray workedExampleWritten = "SECTION_0\r\n"
                                               "%1++\r\n#%1++\r\n"
                                               "%1--\r\n#%1--\r\n"
                                               "SECTION_1\r\n"
                                               "print;\r\n#print;\r\n"
                                               "print <<EOF;\r\n#print <<EOF;%2%1%2EOF\r\n";
