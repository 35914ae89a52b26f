#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace velmora {

class KeyValuesParser;

/// One entry of Valve's KeyValues text format (Steam's .vdf and .acf files): a key with either a
/// text value or a block of entries. Its texts live in the KeyValues document that holds it.
class KeyValue
{
public:
    QString key() const { return QString::fromUtf8(m_key); }
    /// The text, when this is no block.
    QString value() const { return QString::fromUtf8(m_value); }
    bool isBlock() const { return m_isBlock; }
    /// The block's entries in the file's order.
    const std::vector<KeyValue> &entries() const { return m_entries; }

    /// The first entry of the block whose key matches, ASCII letter case ignored; null when none.
    const KeyValue *find(QByteArrayView name) const;
    /// The text of the first such entry that is no block; empty when none.
    QString text(QByteArrayView name) const;

private:
    friend class KeyValuesParser;

    QByteArrayView m_key;
    QByteArrayView m_value;
    std::vector<KeyValue> m_entries;
    bool m_isBlock = false;
};

/// A parsed KeyValues file: the block of its top-level entries, and the bytes they point into.
/// It can be moved but not copied, so the entries' texts always have their bytes.
class KeyValues
{
public:
    KeyValues(KeyValues &&) noexcept = default;
    KeyValues &operator=(KeyValues &&) noexcept = default;
    KeyValues(const KeyValues &) = delete;
    KeyValues &operator=(const KeyValues &) = delete;

    const KeyValue &top() const { return m_top; }

private:
    friend class KeyValuesParser;
    KeyValues() = default;

    QByteArray m_bytes;
    QByteArray m_unescaped; ///< texts that held escapes, without them; never grows after parsing
    KeyValue m_top;
};

/// Steam's own files are a few KiB; anything larger is no file of Steam's.
inline constexpr qsizetype kKeyValuesMaxBytes = 1024 * 1024;
/// Steam's files nest three or four blocks deep.
inline constexpr int kKeyValuesMaxDepth = 32;

/// Parses KeyValues text: quoted or bare keys and values, `{ }` blocks, `//` comments, the escapes
/// `\\`, `\"`, `\n` and `\t`. Nothing when the text is no well-formed KeyValues (cut short,
/// unbalanced, nested too deep, larger than kKeyValuesMaxBytes, or binary: it holds a NUL byte).
[[nodiscard]] std::optional<KeyValues> parseKeyValues(QByteArray bytes);

/// Reads and parses a KeyValues file. Nothing when it is missing, no regular file (after following
/// links), unreadable, larger than kKeyValuesMaxBytes, or malformed.
[[nodiscard]] std::optional<KeyValues> readKeyValuesFile(const QString &path);

} // namespace velmora
