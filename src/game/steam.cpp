#include "steam.h"

#include "game/folders.h"
#include "platform/files.h"
#include "wad/readfile.h"

#include <QDir>
#include <QFileInfo>

#include <QSet>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace velmira {

namespace {

// A library list is small; a larger file is not read.
constexpr qint64 kMaxLibraryList = 1024 * 1024;
// How many libraries are looked in at the most.
constexpr qsizetype kMaxLibrariesSearched = 256;

struct Token {
    enum Kind { String, Open, Close } kind;
    QString text;
};

// The tokens of the KeyValues text: quoted strings (with \\ and \" escapes), bare words, and
// braces; "//" comments run to the end of the line.
std::vector<Token> tokenize(const QByteArray& text) {
    std::vector<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const char c = text[i];
        if (static_cast<uchar>(c) <= 32) {
            ++i;
        } else if (c == '/' && i + 1 < n && text[i + 1] == '/') {
            while (i < n && text[i] != '\n')
                ++i;
        } else if (c == '{' || c == '}') {
            tokens.push_back(Token{c == '{' ? Token::Open : Token::Close, QString()});
            ++i;
        } else if (c == '"') {
            QByteArray value;
            ++i;
            while (i < n && text[i] != '"') {
                if (text[i] == '\\' && i + 1 < n && (text[i + 1] == '\\' || text[i + 1] == '"'))
                    ++i;
                value.append(text[i]);
                ++i;
            }
            ++i;  // the closing quote, if there is one
            tokens.push_back(Token{Token::String, QString::fromUtf8(value)});
        } else {
            const qsizetype start = i;
            while (i<n&& static_cast<uchar>(text[i])> 32 && text[i] != '"' && text[i] != '{' &&
                   text[i] != '}')
                ++i;
            tokens.push_back(Token{Token::String, QString::fromUtf8(text.mid(start, i - start))});
        }
    }
    return tokens;
}

bool isNumber(const QString& text) {
    bool ok = false;
    text.toUInt(&ok);
    return ok;
}

}  // namespace

QStringList parseLibraryFolders(const QByteArray& vdf) {
    const std::vector<Token> tokens = tokenize(vdf);
    QStringList folders;
    QSet<QString> listed;
    int depth = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.kind == Token::Open) {
            ++depth;
            continue;
        }
        if (token.kind == Token::Close) {
            depth = std::max(0, depth - 1);
            continue;
        }
        // A key followed by a string value: "path" at any depth (today's format), or a number
        // directly inside the outer block (the older format).
        if (i + 1 >= tokens.size() || tokens[i + 1].kind != Token::String)
            continue;
        const QString& value = tokens[i + 1].text;
        const bool path = token.text.compare(QLatin1String("path"), Qt::CaseInsensitive) == 0;
        if ((path || (depth == 1 && isNumber(token.text))) && !value.isEmpty() &&
            !listed.contains(value)) {
            listed.insert(value);
            folders << value;
        }
        ++i;  // the value is no key
    }
    return folders;
}

QStringList steamRoots(const QString& home) {
    QStringList roots;
#ifdef Q_OS_WIN
    Q_UNUSED(home);
    const QSettings steam(QStringLiteral("HKEY_CURRENT_USER\\Software\\Valve\\Steam"),
                          QSettings::NativeFormat);
    const QString recorded = steam.value(QStringLiteral("SteamPath")).toString();
    if (!recorded.isEmpty())
        roots << QDir::toNativeSeparators(recorded);
    roots << QStringLiteral("C:\\Program Files (x86)\\Steam");
#else
    for (const char* place : {".steam/steam", ".local/share/Steam",
                              ".var/app/com.valvesoftware.Steam/.local/share/Steam",
                              ".var/app/com.valvesoftware.Steam/data/Steam"})
        roots << QDir(home).filePath(QString::fromLatin1(place));
#endif
    return roots;
}

QStringList findSteamGames(const QStringList& roots) {
    QStringList libraries;
    for (const QString& root : roots) {
        if (!QFileInfo(root).isDir())
            continue;
        libraries << root;
        const auto list = wad::readRegularFile(
            QDir(root).filePath(QStringLiteral("steamapps/libraryfolders.vdf")), kMaxLibraryList);
        if (list)
            libraries << parseLibraryFolders(list.value());
    }
    // Half-Life first, then the other games of its engine Steam installs beside it.
    const QStringList games{QStringLiteral("steamapps/common/Half-Life"),
                            QStringLiteral("steamapps/common/Sven Co-op")};
    QStringList found;
    QSet<QString> seen;
    for (const QString& name : games) {
        seen.clear();
        for (const QString& library : libraries) {
            // A real Steam has a handful of libraries; a list of thousands is not searched
            // whole.
            if (seen.size() >= kMaxLibrariesSearched)
                break;
            const QString game =
                QDir::toNativeSeparators(QDir::cleanPath(QDir(library).filePath(name)));
            if (seen.contains(game))
                continue;
            seen.insert(game);
            if (gameExecutablePresent(game) && !found.contains(game)) {
                found << game;
                break;
            }
        }
    }
    return found;
}

QString findSteamHalfLife(const QStringList& roots) {
    return findSteamGames(roots).value(0);
}

}  // namespace velmira
