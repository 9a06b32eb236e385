#include <cstdio>

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

// Writes the pseudo-language en_XA: every message of a .ts file with accented
// letters, in brackets and padded with '~' to 140 % of its length, so that a
// text cut off or hard-wired (left in plain English) shows at a glance.
// Placeholders (%1, %L2, %n, %s), '&' markers, markup and the "\t" shortcut part
// stay as they are, so the program still works in it.

namespace {

QChar accented(QChar c)
{
    static const QString lower = QStringLiteral("áƀçđéƒĝĥîĵķĺɱñöþǫŕšţûṽŵẋýž");
    static const QString upper = QStringLiteral("ÅƁÇĐÉƑĜĤÎĴĶĹṀÑÖÞǪŔŠŢÛṼŴẊÝŽ");
    if (c >= u'a' && c <= u'z')
        return lower.at(c.unicode() - u'a');
    if (c >= u'A' && c <= u'Z')
        return upper.at(c.unicode() - u'A');
    return c;
}

QString lengthened(const QString &text)
{
    // The shortcut after a tab, or a percentage at the end ("...%2%"), which the
    // window splits off, stays outside the brackets.
    int tail = text.indexOf(u'\t');
    static const QRegularExpression percent(QStringLiteral("%[1-9]%$"));
    if (const QRegularExpressionMatch match = percent.match(text); tail < 0 && match.hasMatch())
        tail = static_cast<int>(match.capturedStart());
    const QString words = tail < 0 ? text : text.left(tail);
    const QString shortcut = tail < 0 ? QString() : text.mid(tail);
    QString out;
    int letters = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QChar c = words.at(i);
        if (c == u'%' && i + 1 < words.size()) {
            // %1, %L1, %n, %s, %zu, %%: copied whole.
            qsizetype end = i + 1;
            if (words.at(end) == u'L')
                ++end;
            while (end < words.size() && (words.at(end).isDigit() || words.at(end) == u'z'))
                ++end;
            if (end < words.size() && end == i + 1)
                ++end;
            out += words.mid(i, end - i);
            i = end - 1;
        } else if (c == u'&' && i + 1 < words.size()) {
            out += c;
            out += words.at(++i);
        } else if (c == u'<') {
            const qsizetype end = words.indexOf(u'>', i);
            if (end < 0) {
                out += c;
                continue;
            }
            out += words.mid(i, end - i + 1);
            i = end;
        } else {
            out += accented(c);
            if (c.isLetterOrNumber())
                ++letters;
        }
    }
    if (letters == 0)
        return text;
    const qsizetype padding = std::max<qsizetype>(0, (text.size() * 2 + 4) / 5 - 2);
    return u'[' + out + QString(padding, u'~') + u']' + shortcut;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: sonavert-pseudo SOURCE.ts OUTPUT.ts\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "sonavert-pseudo: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en_XA"));
    QString context;
    QString source;
    QString comment;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const auto name = reader.name();
        if (name == u"context") {
            if (!context.isEmpty())
                writer.writeEndElement();
            context.clear();
        } else if (name == u"name" && context.isEmpty()) {
            context = reader.readElementText();
            writer.writeStartElement(QStringLiteral("context"));
            writer.writeTextElement(QStringLiteral("name"), context);
        } else if (name == u"message") {
            source.clear();
            comment.clear();
        } else if (name == u"source") {
            source = reader.readElementText();
        } else if (name == u"comment") {
            comment = reader.readElementText();
        } else if (name == u"translation") {
            writer.writeStartElement(QStringLiteral("message"));
            writer.writeTextElement(QStringLiteral("source"), source);
            if (!comment.isEmpty())
                writer.writeTextElement(QStringLiteral("comment"), comment);
            writer.writeTextElement(QStringLiteral("translation"), lengthened(source));
            writer.writeEndElement();
        }
    }
    if (!context.isEmpty())
        writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "sonavert-pseudo: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
