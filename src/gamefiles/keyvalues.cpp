#include "gamefiles/keyvalues.h"

#include <QFile>
#include <QFileInfo>

namespace velmora {

namespace {

struct Token
{
    enum class Kind { Text, Open, Close, End, Bad };
    Kind kind = Kind::End;
    QByteArray text;
    bool quoted = false;
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

/// Splits KeyValues text into quoted or bare texts and braces; comments and blanks are dropped.
class Lexer
{
public:
    explicit Lexer(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    Token next()
    {
        skipBlanks();
        if (m_pos >= m_bytes.size())
            return {};
        const char c = m_bytes[m_pos];
        if (c == '{' || c == '}') {
            ++m_pos;
            return {c == '{' ? Token::Kind::Open : Token::Kind::Close, {}, false};
        }
        return c == '"' ? quoted() : bare();
    }

    qsizetype position() const { return m_pos; }
    void rewind(qsizetype position) { m_pos = position; }

private:
    void skipBlanks()
    {
        while (m_pos < m_bytes.size()) {
            const char c = m_bytes[m_pos];
            if (isSpace(c)) {
                ++m_pos;
            } else if (c == '/' && m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '/') {
                while (m_pos < m_bytes.size() && m_bytes[m_pos] != '\n')
                    ++m_pos;
            } else {
                return;
            }
        }
    }

    Token quoted()
    {
        Token token{Token::Kind::Text, {}, true};
        for (++m_pos; m_pos < m_bytes.size(); ++m_pos) {
            char c = m_bytes[m_pos];
            if (c == '"') {
                ++m_pos;
                return token;
            }
            if (c == '\\' && m_pos + 1 < m_bytes.size()) {
                const char escaped = m_bytes[m_pos + 1];
                if (escaped == '\\' || escaped == '"' || escaped == 'n' || escaped == 't') {
                    c = escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                    ++m_pos;
                }
            }
            token.text += c;
        }
        return {Token::Kind::Bad, {}, false}; // the closing quote is missing
    }

    Token bare()
    {
        Token token{Token::Kind::Text, {}, false};
        const qsizetype start = m_pos;
        while (m_pos < m_bytes.size()) {
            const char c = m_bytes[m_pos];
            if (isSpace(c) || c == '"' || c == '{' || c == '}')
                break;
            ++m_pos;
        }
        token.text = m_bytes.sliced(start, m_pos - start).toByteArray();
        return token;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

class Parser
{
public:
    explicit Parser(QByteArrayView bytes)
        : m_lexer(bytes)
    {
    }

    /// Fills a block with entries up to its closing brace, or up to the end at the top level.
    bool block(KeyValue &into, int depth)
    {
        for (;;) {
            Token key = m_lexer.next();
            switch (key.kind) {
            case Token::Kind::End:
                return depth == 0;
            case Token::Kind::Close:
                return depth > 0;
            case Token::Kind::Open:
            case Token::Kind::Bad:
                return false;
            case Token::Kind::Text:
                break;
            }
            KeyValue entry;
            entry.key = QString::fromUtf8(key.text);
            const Token value = m_lexer.next();
            if (value.kind == Token::Kind::Open) {
                if (depth + 1 >= kKeyValuesMaxDepth)
                    return false;
                entry.isBlock = true;
                if (!block(entry, depth + 1))
                    return false;
            } else if (value.kind == Token::Kind::Text) {
                entry.value = QString::fromUtf8(value.text);
            } else {
                return false;
            }
            skipCondition();
            into.entries.push_back(std::move(entry));
        }
    }

private:
    /// A bare "[$WIN32]" after an entry makes it depend on the platform; the entry is kept
    /// whatever the condition says, since Steam's library files carry none.
    void skipCondition()
    {
        const qsizetype before = m_lexer.position();
        const Token next = m_lexer.next();
        if (next.kind != Token::Kind::Text || next.quoted || !next.text.startsWith('['))
            m_lexer.rewind(before);
    }

    Lexer m_lexer;
};

} // namespace

const KeyValue *KeyValue::find(QStringView name) const
{
    for (const KeyValue &entry : entries) {
        if (entry.key.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

QString KeyValue::text(QStringView name) const
{
    for (const KeyValue &entry : entries) {
        if (!entry.isBlock && entry.key.compare(name, Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return {};
}

std::optional<KeyValue> parseKeyValues(QByteArrayView bytes)
{
    // Binary KeyValues (Steam's appinfo.vdf and the like) and random bytes hold NULs; no text
    // file does.
    if (bytes.size() > kKeyValuesMaxBytes || bytes.contains('\0'))
        return std::nullopt;
    KeyValue top;
    top.isBlock = true;
    Parser parser(bytes);
    if (!parser.block(top, 0))
        return std::nullopt;
    return top;
}

std::optional<KeyValue> readKeyValuesFile(const QString &path)
{
    // Only regular files: a FIFO or a device named like a Steam file would block or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte more than allowed tells a file that is too large from one that just fits.
    const QByteArray bytes = file.read(kKeyValuesMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parseKeyValues(bytes);
}

} // namespace velmora
