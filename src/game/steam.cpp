#include "steam.h"

#include "game/folders.h"
#include "picture/readfile.h"
#include "platform/files.h"

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

// A token of the text: a string (its bytes, quotes and escapes undone) or a brace. Strings are
// kept as bytes; only the values kept become text.
struct Token {
    enum Kind { String, Open, Close } kind;
    QByteArray text;
};

// The tokens of the KeyValues text: quoted strings (with \\ and \" escapes), bare words, and
// braces; "//" comments run to the end of the line.
std::vector<Token> tokenize(const QByteArray& text) {
    std::vector<Token> tokens;
    const qsizetype n = text.size();
    const char* data = text.constData();
    qsizetype i = 0;
    while (i < n) {
        const char c = data[i];
        if (static_cast<uchar>(c) <= 32) {
            ++i;
        } else if (c == '/' && i + 1 < n && data[i + 1] == '/') {
            while (i < n && data[i] != '\n')
                ++i;
        } else if (c == '{' || c == '}') {
            tokens.push_back(Token{c == '{' ? Token::Open : Token::Close, QByteArray()});
            ++i;
        } else if (c == '"') {
            ++i;
            const qsizetype start = i;
            bool escaped = false;
            while (i < n && data[i] != '"') {
                if (data[i] == '\\' && i + 1 < n && (data[i + 1] == '\\' || data[i + 1] == '"')) {
                    escaped = true;
                    ++i;
                }
                ++i;
            }
            QByteArray value(data + start, std::min(i, n) - start);
            if (escaped) {
                QByteArray plain;
                plain.reserve(value.size());
                for (qsizetype k = 0; k < value.size(); ++k) {
                    if (value[k] == '\\' && k + 1 < value.size() &&
                        (value[k + 1] == '\\' || value[k + 1] == '"'))
                        ++k;
                    plain.append(value[k]);
                }
                value = plain;
            }
            ++i;  // the closing quote, if there is one
            tokens.push_back(Token{Token::String, value});
        } else {
            const qsizetype start = i;
            while (i<n&& static_cast<uchar>(data[i])> 32 && data[i] != '"' && data[i] != '{' &&
                   data[i] != '}')
                ++i;
            tokens.push_back(Token{Token::String, QByteArray(data + start, i - start)});
        }
    }
    return tokens;
}

bool isNumber(const QByteArray& text) {
    bool ok = false;
    text.toUInt(&ok);
    return ok;
}

}  // namespace

QStringList parseLibraryFolders(const QByteArray& vdf) {
    const std::vector<Token> tokens = tokenize(vdf);
    QStringList folders;
    QSet<QByteArray> listed;
    listed.reserve(static_cast<qsizetype>(tokens.size() / 2));
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
        const QByteArray& value = tokens[i + 1].text;
        const bool path = token.text.compare("path", Qt::CaseInsensitive) == 0;
        if ((path || (depth == 1 && isNumber(token.text))) && !value.isEmpty() &&
            !listed.contains(value)) {
            listed.insert(value);
            folders << QString::fromUtf8(value);
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

namespace {
// The first folder of each of these games (paths inside a library) holding its executable.
QStringList findInLibraries(const QStringList& roots, const QStringList& games) {
    QStringList libraries;
    for (const QString& root : roots) {
        if (!QFileInfo(root).isDir())
            continue;
        libraries << root;
        const auto list = picture::readRegularFile(
            QDir(root).filePath(QStringLiteral("steamapps/libraryfolders.vdf")), kMaxLibraryList);
        if (list)
            libraries << parseLibraryFolders(list.value());
    }
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

const QString kHalfLifeInLibrary = QStringLiteral("steamapps/common/Half-Life");
}  // namespace

QStringList findSteamGames(const QStringList& roots) {
    // Half-Life first, then the other games of its engine Steam installs beside it.
    return findInLibraries(roots,
                           {kHalfLifeInLibrary, QStringLiteral("steamapps/common/Sven Co-op")});
}

QString findSteamHalfLife(const QStringList& roots) {
    return findInLibraries(roots, {kHalfLifeInLibrary}).value(0);
}

}  // namespace velmira
