// Feeds arbitrary bytes to the settings text as "tvstudio.ini": every key of
// the settings table is read, and one (chosen by the first byte) is written.
// Checks that the written value reads back, that writing it again changes
// nothing, and that no other key's value changes.
#include "SettingsStore.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    constexpr int count = int(SettingKey::Count);
    const SettingDef& chosen = SettingDefinition(SettingKey(data[0] % count));
    const QByteArray value = QByteArray::number(data[0] * 7919);

    const QByteArray written = IniText::WithValue(file, chosen.section, chosen.name, value);
    if (IniText::Value(written, chosen.section, chosen.name) != QString::fromLatin1(value))
        std::abort();
    if (IniText::WithValue(written, chosen.section, chosen.name, value) != written)
        std::abort();
    // Every byte of the file outside the key's own line is kept: what the
    // write took away (between the common head and tail) lies within one line.
    qsizetype head = 0;
    while (head < file.size() && head < written.size() && file[head] == written[head])
        ++head;
    qsizetype tail = 0;
    while (tail < file.size() - head && tail < written.size() - head
           && file[file.size() - 1 - tail] == written[written.size() - 1 - tail])
        ++tail;
    const QByteArray removed = file.mid(head, file.size() - head - tail);
    if (removed.contains('\n') || removed.contains('\r'))
        std::abort();
    for (int k = 0; k < count; ++k) {
        const SettingDef& def = SettingDefinition(SettingKey(k));
        if (qstricmp(def.section, chosen.section) == 0 && qstricmp(def.name, chosen.name) == 0)
            continue;
        if (IniText::Value(written, def.section, def.name) != IniText::Value(file, def.section, def.name))
            std::abort();
    }
    return 0;
}
