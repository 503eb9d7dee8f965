#include "ui/plaintext.h"

#include <QTextDocument>

ShownText shownAsPlain(const QString &plain)
{
    if (!Qt::mightBeRichText(plain))
        return {plain, Qt::PlainText};
    // Kept on their lines, unwrapped, as a plain tooltip shows them.
    return {QStringLiteral("<p style=\"white-space:pre\">") + plain.toHtmlEscaped() + QStringLiteral("</p>"),
            Qt::RichText};
}

QString plainToolTip(const QString &plain)
{
    return shownAsPlain(plain).text;
}
