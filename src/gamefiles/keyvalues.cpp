#include "gamefiles/keyvalues.h"

#include "gamefiles/regularfile.h"

#include <QFile>

#include <iterator>

namespace velmora {

namespace {

struct Token
{
    enum class Kind { Text, Open, Close, End, Bad };
    Kind kind = Kind::End;
    QByteArrayView text; ///< into the parsed bytes, escapes and all
    bool quoted = false;
    bool escaped = false;
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
            return {c == '{' ? Token::Kind::Open : Token::Kind::Close, {}, false, false};
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
                const qsizetype end = m_bytes.indexOf('\n', m_pos);
                m_pos = end < 0 ? m_bytes.size() : end;
            } else {
                return;
            }
        }
    }

    Token quoted()
    {
        const qsizetype start = m_pos + 1;
        qsizetype end = m_bytes.indexOf('"', start);
        bool escapes = false;
        // Most texts hold no backslash: the first quote ends them.
        if (end >= 0 && m_bytes.sliced(start, end - start).contains('\\')) {
            escapes = true;
            for (end = start; end < m_bytes.size() && m_bytes[end] != '"'; ++end) {
                if (m_bytes[end] == '\\')
                    ++end; // the escaped character, a quote among them, ends nothing
            }
        }
        if (end < 0 || end >= m_bytes.size())
            return {Token::Kind::Bad, {}, false, false}; // the closing quote is missing
        m_pos = end + 1;
        return {Token::Kind::Text, m_bytes.sliced(start, end - start), true, escapes};
    }

    Token bare()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_bytes.size()) {
            const char c = m_bytes[m_pos];
            if (isSpace(c) || c == '"' || c == '{' || c == '}')
                break;
            ++m_pos;
        }
        return {Token::Kind::Text, m_bytes.sliced(start, m_pos - start), false, false};
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

} // namespace

/// Builds a KeyValues document. The entries of the blocks being read wait on one stack and move
/// into their block at its end, so each block's list is allocated once, at its final size.
class KeyValuesParser
{
public:
    static std::optional<KeyValues> parse(QByteArray bytes)
    {
        std::optional<KeyValues> document(KeyValues{});
        document->m_bytes = std::move(bytes);
        document->m_top.m_isBlock = true;
        KeyValuesParser parser(*document);
        if (!parser.block(document->m_top, 0))
            return std::nullopt;
        return document;
    }

private:
    explicit KeyValuesParser(KeyValues &document)
        : m_document(document)
        , m_lexer(document.m_bytes)
    {
        // Texts without their escapes are never longer than with them: the room never runs out,
        // so the texts already stored never move.
        m_document.m_unescaped.reserve(document.m_bytes.size());
    }

    /// Fills a block with entries up to its closing brace, or up to the end at the top level.
    bool block(KeyValue &into, int depth)
    {
        const size_t first = m_pending.size();
        for (;;) {
            const Token key = m_lexer.next();
            if (key.kind == Token::Kind::End && depth == 0)
                break;
            if (key.kind == Token::Kind::Close && depth > 0)
                break;
            if (key.kind != Token::Kind::Text)
                return false;
            KeyValue entry;
            entry.m_key = textOf(key);
            const Token value = m_lexer.next();
            if (value.kind == Token::Kind::Open) {
                if (depth + 1 >= kKeyValuesMaxDepth)
                    return false;
                entry.m_isBlock = true;
                if (!block(entry, depth + 1))
                    return false;
            } else if (value.kind == Token::Kind::Text) {
                entry.m_value = textOf(value);
            } else {
                return false;
            }
            skipCondition();
            m_pending.push_back(std::move(entry));
        }
        const auto begin = m_pending.begin() + std::ptrdiff_t(first);
        into.m_entries.assign(std::make_move_iterator(begin),
                              std::make_move_iterator(m_pending.end()));
        m_pending.erase(begin, m_pending.end());
        return true;
    }

    QByteArrayView textOf(const Token &token)
    {
        if (!token.escaped)
            return token.text;
        QByteArray &store = m_document.m_unescaped;
        const qsizetype start = store.size();
        const QByteArrayView raw = token.text;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            char c = raw[i];
            if (c == '\\' && i + 1 < raw.size()) {
                const char escaped = raw[i + 1];
                if (escaped == '\\' || escaped == '"' || escaped == 'n' || escaped == 't') {
                    c = escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                    ++i;
                }
            }
            store.append(c);
        }
        return QByteArrayView(store.constData() + start, store.size() - start);
    }

    /// A bare "[$WIN32]" after an entry makes it depend on the platform; the entry is kept
    /// whatever the condition says, since Steam's library files carry none.
    void skipCondition()
    {
        const qsizetype before = m_lexer.position();
        const Token next = m_lexer.next();
        if (next.kind != Token::Kind::Text || next.quoted || !next.text.startsWith('['))
            m_lexer.rewind(before);
    }

    KeyValues &m_document;
    Lexer m_lexer;
    std::vector<KeyValue> m_pending;
};

const KeyValue *KeyValue::find(QByteArrayView name) const
{
    for (const KeyValue &entry : m_entries) {
        if (entry.m_key.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

QString KeyValue::text(QByteArrayView name) const
{
    for (const KeyValue &entry : m_entries) {
        if (!entry.m_isBlock && entry.m_key.compare(name, Qt::CaseInsensitive) == 0)
            return entry.value();
    }
    return {};
}

std::optional<KeyValues> parseKeyValues(QByteArray bytes)
{
    // Binary KeyValues (Steam's appinfo.vdf and the like) and random bytes hold NULs; no text
    // file does.
    if (bytes.size() > kKeyValuesMaxBytes || bytes.contains('\0'))
        return std::nullopt;
    return KeyValuesParser::parse(std::move(bytes));
}

std::optional<KeyValues> readKeyValuesFile(const QString &path)
{
    // Only regular files: a FIFO or a device named like a Steam file would block or never end.
    QFile file(path);
    if (!openRegularFile(file).isEmpty())
        return std::nullopt;
    // A file larger than allowed is not read at all, and none is read past one byte more than
    // its size, which tells a file that grew meanwhile.
    const qint64 size = file.size();
    if (size > kKeyValuesMaxBytes)
        return std::nullopt;
    QByteArray bytes = file.read(size + 1);
    // A file that grew while it was read is caught mid-write by Steam: its text may stop
    // anywhere, so it counts as absent rather than being read cut short.
    if (file.error() != QFileDevice::NoError || bytes.size() > size)
        return std::nullopt;
    return parseKeyValues(std::move(bytes));
}

} // namespace velmora
