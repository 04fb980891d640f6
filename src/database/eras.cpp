// SPDX-License-Identifier: MIT
#include "database/eras.h"

#include <array>

namespace stratavex {

namespace {

struct Era {
    std::string_view name;
    std::string_view span;
};

// Searched in this order; the first exact match wins.
constexpr std::array<Era, 29> eraTable{{
    {"Triassic", "225 - 190 mya"},
    {"Early Triassic", "225 - 210 mya"},
    {"Middle Triassic", "210 - 200 mya"},
    {"Late Triassic", "200 - 190 mya"},
    {"Late Triassic - Early Jurassic", "200 - 170 mya"},
    {"Jurassic", "190 - 135 mya"},
    {"Jurassic - Early Cretaceous", "190 - 110 mya"},
    {"Early Jurassic", "190 - 170 mya"},
    {"Middle Jurassic", "170 - 150 mya"},
    {"Middle - Late Jurassic", "170 - 135 mya"},
    {"Middle Jurassic - Early Cretaceous", "170 - 110 mya"},
    {"Late Jurassic", "150 - 135 mya"},
    {"Late Jurassic - Early Cretaceous", "150 - 110 mya"},
    {"Cretaceous", "135 - 65 mya"},
    {"Early Cretaceous", "135 - 110 mya"},
    {"Early - Middle Cretaceous", "135 - 85 mya"},
    {"Middle Cretaceous", "110 - 85 mya"},
    {"Middle - Late Cretaceous", "110 - 65 mya"},
    {"Late Cretaceous", "85 - 65 mya"},
    {"Permian", "286 - 245 mya"},
    {"Early Permian", "286 - 270 mya"},
    {"Middle Permian", "270 - 255 mya"},
    {"Late Permian", "255 - 245 mya"},
    {"Late Permian - Early Triassic", "255 - 210 mya"},
    {"Carboniferous", "360 - 286 mya"},
    {"Devonian", "408 - 360 mya"},
    {"Silurian", "438 - 408 mya"},
    {"Ordovician", "505 - 438 mya"},
    {"Cambrian", "570 - 505 mya"},
}};

} // namespace

std::string eraSpan(std::string_view era) {
    for (const Era& entry : eraTable)
        if (entry.name == era)
            return std::string(entry.span);
    return "";
}

} // namespace stratavex
