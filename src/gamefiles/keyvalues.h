#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace velmora {

/// One entry of Valve's KeyValues text format (Steam's .vdf and .acf files): a key with either a
/// text value or a block of entries.
struct KeyValue
{
    QString key;
    QString value;                 ///< the text, when this is no block
    std::vector<KeyValue> entries; ///< the block's entries in the file's order
    bool isBlock = false;

    /// The first entry of the block whose key matches, letter case ignored; null when none.
    const KeyValue *find(QStringView name) const;
    /// The text of the first such entry that is no block; empty when none.
    QString text(QStringView name) const;
};

/// Steam's own files are a few KiB; anything larger is no file of Steam's.
inline constexpr qsizetype kKeyValuesMaxBytes = 1024 * 1024;
/// Steam's files nest three or four blocks deep.
inline constexpr int kKeyValuesMaxDepth = 32;

/// Parses KeyValues text: quoted or bare keys and values, `{ }` blocks, `//` comments, the escapes
/// `\\`, `\"`, `\n` and `\t`. Returns a block holding the file's top-level entries, or nothing when
/// the text is no well-formed KeyValues (cut short, unbalanced, nested too deep, larger than
/// kKeyValuesMaxBytes, or binary: it holds a NUL byte).
[[nodiscard]] std::optional<KeyValue> parseKeyValues(QByteArrayView bytes);

/// Reads and parses a KeyValues file. Nothing when it is missing, no regular file (after following
/// links), unreadable, larger than kKeyValuesMaxBytes, or malformed.
[[nodiscard]] std::optional<KeyValue> readKeyValuesFile(const QString &path);

} // namespace velmora
