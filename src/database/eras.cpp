// SPDX-License-Identifier: MIT
#include "database/eras.h"

#include <array>
#include <vector>

namespace stratavex {

namespace {

struct Era {
    std::string_view name;
    std::string_view span;
};

// Searched in this order; the first exact match wins. The spans follow the
// ICS International Chronostratigraphic Chart (v2023/09), rounded to one
// decimal. "Middle Cretaceous" is no epoch of the chart; its row keeps the
// informal mid-Cretaceous (Albian to Turonian) for databases that use it.
// The sorting question orders eras by the first figure, so a row that starts
// earlier must keep a larger first figure.
constexpr std::array<Era, 29> eraTable{{
    {"Triassic", "251.9 - 201.4 mya"},
    {"Early Triassic", "251.9 - 246.7 mya"},
    {"Middle Triassic", "246.7 - 237 mya"},
    {"Late Triassic", "237 - 201.4 mya"},
    {"Late Triassic - Early Jurassic", "237 - 174.7 mya"},
    {"Jurassic", "201.4 - 143.1 mya"},
    {"Jurassic - Early Cretaceous", "201.4 - 100.5 mya"},
    {"Early Jurassic", "201.4 - 174.7 mya"},
    {"Middle Jurassic", "174.7 - 161.5 mya"},
    {"Middle - Late Jurassic", "174.7 - 143.1 mya"},
    {"Middle Jurassic - Early Cretaceous", "174.7 - 100.5 mya"},
    {"Late Jurassic", "161.5 - 143.1 mya"},
    {"Late Jurassic - Early Cretaceous", "161.5 - 100.5 mya"},
    {"Cretaceous", "143.1 - 66 mya"},
    {"Early Cretaceous", "143.1 - 100.5 mya"},
    {"Early - Middle Cretaceous", "143.1 - 89.8 mya"},
    {"Middle Cretaceous", "113 - 89.8 mya"},
    {"Middle - Late Cretaceous", "113 - 66 mya"},
    {"Late Cretaceous", "100.5 - 66 mya"},
    {"Permian", "298.9 - 251.9 mya"},
    {"Early Permian", "298.9 - 273 mya"},
    {"Middle Permian", "273 - 259.5 mya"},
    {"Late Permian", "259.5 - 251.9 mya"},
    {"Late Permian - Early Triassic", "259.5 - 246.7 mya"},
    {"Carboniferous", "358.9 - 298.9 mya"},
    {"Devonian", "419.6 - 358.9 mya"},
    {"Silurian", "443.1 - 419.6 mya"},
    {"Ordovician", "486.9 - 443.1 mya"},
    {"Cambrian", "538.8 - 486.9 mya"},
}};

} // namespace

std::vector<std::string_view> eraNames() {
    std::vector<std::string_view> names;
    for (const Era& entry : eraTable)
        names.push_back(entry.name);
    return names;
}

std::string eraSpan(std::string_view era) {
    for (const Era& entry : eraTable)
        if (entry.name == era)
            return std::string(entry.span);
    return "";
}

} // namespace stratavex
