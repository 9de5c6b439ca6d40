#include "menu/menu_item.h"

#include "core/virtual_keys.h"
#include "settings/ini_access.h"

namespace velquist {

namespace {

// The word for value v from a list of words for 0, 1, 2 ...; SPECIAL beyond the list.
template <size_t N>
std::string wordFor(const char* const (&words)[N], int32_t v) {
    return v >= 0 && static_cast<size_t>(v) < N ? words[v] : "SPECIAL";
}

}  // namespace

std::string formatValue(ItemKind kind, const int32_t* value) {
    if (!value) return {};
    const int32_t v = *value;
    switch (kind) {
        case ItemKind::boolean: {
            static const char* const words[] = {"[OFF]", "[ON]"};
            return wordFor(words, v);
        }
        case ItemKind::action:
            return "<do>";
        case ItemKind::functionKey: {
            const char* name =
                v >= 1 && v <= vk::functionKeyCount ? vk::keyName(vk::functionKey(v)) : nullptr;
            return name ? name : "SPECIAL";
        }
        case ItemKind::unit: {
            static const char* const words[] = {"MPH", "KM/H", "KNOTS", "M/S"};
            return wordFor(words, v);
        }
        case ItemKind::extraGauge: {
            static const char* const words[] = {"ABOVE", "LEFT"};
            return wordFor(words, v);
        }
        case ItemKind::rpm: {
            static const char* const words[] = {"[OFF]", "Anlg", "LED"};
            return wordFor(words, v);
        }
        case ItemKind::factorTen:
            // Ten times the value, without overflowing for values outside the item's range.
            return intToText(v) + (v == 0 ? "" : "0");
        case ItemKind::analyticsMode: {
            static const char* const words[] = {"[OFF]", "[ONCE]", "[ON]"};
            return wordFor(words, v);
        }
        case ItemKind::number:
            break;
    }
    return intToText(v);
}

}  // namespace velquist
