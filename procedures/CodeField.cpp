#include "procedures/CodeField.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTextDocument>

QFont codeFont(const QFont& windowFont)
{
    const QString courier = QStringLiteral("Courier New");
    QFont font = QFontDatabase::families().contains(courier)
                     ? QFont(courier)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // One pixel above the text of the windows: fixed-pitch letters look smaller.
    font.setPixelSize(QFontInfo(windowFont).pixelSize() + 1);
    return font;
}

void setUpCodeField(QPlainTextEdit& field)
{
    field.setFont(codeFont(field.font()));
    field.setLineWrapMode(QPlainTextEdit::NoWrap);
    field.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field.setTabChangesFocus(true);
}

QString withCrLfBreaks(QStringView text)
{
    const auto isLineBreak = [](QChar c) {
        return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator ||
               c == QChar::LineSeparator;
    };
    QString result;
    result.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!isLineBreak(c)) {
            result += c;
            continue;
        }
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        result += QLatin1String("\r\n");
    }
    return result;
}

QString codeFieldText(const QPlainTextEdit& field)
{
    // The raw text, since the plain text would turn no-break spaces into spaces.
    return withCrLfBreaks(field.document()->toRawText());
}
