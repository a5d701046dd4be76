#include "lumpscript.h"

#include "wad/layout.h"

#include <QCoreApplication>

namespace velmira::wad {

namespace {

struct Token {
    QByteArray text;
    int line = 0;
};

// Splits the script into tokens: white space is any byte up to 32; quotes group; ";", "#" and
// "//" start a comment to the end of the line.
Result<std::vector<Token>> tokenize(const QByteArray& text) {
    std::vector<Token> tokens;
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const auto c = static_cast<uchar>(text[i]);
        if (c == '\n') {
            ++line;
            ++i;
        } else if (c <= 32) {
            ++i;
        } else if (c == ';' || c == '#' || (c == '/' && i + 1 < n && text[i + 1] == '/')) {
            while (i < n && text[i] != '\n')
                ++i;
        } else if (c == '"') {
            const qsizetype end = text.indexOf('"', i + 1);
            const qsizetype newline = text.indexOf('\n', i + 1);
            if (end < 0 || (newline >= 0 && newline < end))
                return Result<std::vector<Token>>::failure(
                    QCoreApplication::translate("velmira::wad::LumpScript",
                                                "line %1: a quote is not closed")
                        .arg(line));
            tokens.push_back(Token{text.mid(i + 1, end - i - 1), line});
            i = end + 1;
        } else {
            const qsizetype start = i;
            while (i<n&& static_cast<uchar>(text[i])> 32 && text[i] != '"')
                ++i;
            tokens.push_back(Token{text.mid(start, i - start), line});
        }
    }
    return tokens;
}

bool toInt(const QByteArray& text, int* value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

}  // namespace

Result<LumpScript> parseLumpScript(const QByteArray& text) {
    using Fail = Result<LumpScript>;
    const auto tokens = tokenize(text);
    if (!tokens)
        return Fail::failure(tokens.error());
    const std::vector<Token>& t = tokens.value();
    LumpScript script;
    QString bitmap;
    std::size_t i = 0;
    const auto argument = [&](const char* directive) -> Result<QString> {
        if (i + 1 >= t.size())
            return Result<QString>::failure(
                QCoreApplication::translate("velmira::wad::LumpScript",
                                            "line %1: %2 needs a file name")
                    .arg(t[i].line)
                    .arg(QLatin1String(directive)));
        return QString::fromLocal8Bit(t[i + 1].text);
    };
    while (i < t.size()) {
        const QByteArray word = t[i].text.toLower();
        if (word == "$dest") {
            const auto file = argument("$DEST");
            if (!file)
                return Fail::failure(file.error());
            script.destination = file.value();
            i += 2;
        } else if (word == "$loadbmp") {
            const auto file = argument("$loadbmp");
            if (!file)
                return Fail::failure(file.error());
            bitmap = file.value();
            i += 2;
        } else if (word.startsWith('$')) {
            return Fail::failure(QCoreApplication::translate("velmira::wad::LumpScript",
                                                             "line %1: unknown directive %2")
                                     .arg(t[i].line)
                                     .arg(QString::fromLatin1(t[i].text)));
        } else {
            const int line = t[i].line;
            if (i + 1 >= t.size())
                return Fail::failure(
                    QCoreApplication::translate("velmira::wad::LumpScript",
                                                "line %1: a lump line needs a type")
                        .arg(line));
            LumpLine lump;
            lump.name = QString::fromLatin1(t[i].text);
            lump.type = QString::fromLatin1(t[i + 1].text).toLower();
            if (lump.name.size() >= MipLayout::NameSize)
                return Fail::failure(QCoreApplication::translate(
                                         "velmira::wad::LumpScript",
                                         "line %1: the lump name %2 is 16 characters or more")
                                         .arg(line)
                                         .arg(lump.name));
            if (lump.type != QLatin1String("miptex"))
                return Fail::failure(
                    QCoreApplication::translate("velmira::wad::LumpScript",
                                                "line %1: lumps of type %2 are not supported")
                        .arg(line)
                        .arg(lump.type));
            i += 2;
            int* fields[] = {&lump.x, &lump.y, &lump.width, &lump.height};
            for (int* field : fields) {
                if (i >= t.size() || t[i].line != line || !toInt(t[i].text, field))
                    return Fail::failure(QCoreApplication::translate(
                                             "velmira::wad::LumpScript",
                                             "line %1: a miptex lump needs x, y, width and height")
                                             .arg(line));
                ++i;
            }
            if (lump.x != -1 && (lump.x < 0 || lump.y < 0 || lump.width <= 0 || lump.height <= 0))
                return Fail::failure(
                    QCoreApplication::translate("velmira::wad::LumpScript",
                                                "line %1: the lump's area is not valid")
                        .arg(line));
            if (bitmap.isEmpty())
                return Fail::failure(
                    QCoreApplication::translate("velmira::wad::LumpScript",
                                                "line %1: no $loadbmp before this lump")
                        .arg(line));
            lump.bitmap = bitmap;
            script.lumps.push_back(lump);
        }
    }
    if (script.destination.isEmpty())
        return Fail::failure(QCoreApplication::translate("velmira::wad::LumpScript",
                                                         "the script names no $DEST file"));
    if (script.lumps.empty())
        return Fail::failure(
            QCoreApplication::translate("velmira::wad::LumpScript", "the script holds no lump"));
    return script;
}

}  // namespace velmira::wad
