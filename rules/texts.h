// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own words that belong to no table row.
#pragma once

#include <string_view>

namespace trelavka::text {

inline constexpr std::string_view kWelcomeTitle = "VÍTEJ NOVÝ STAROSTO";
inline constexpr std::string_view kWelcome =
    "Minulý starosta umřel a ty nastupuješ místo něho na 150 dní, než budou volby a musíš "
    "udělat vše proto, aby město prosperovalo a dál se rozrůstalo.";

inline constexpr std::string_view kAdviser = "PORADCE";
inline constexpr std::string_view kLowPopularity = "Máte malou popularitu";
inline constexpr std::string_view kBankrupt =
    "Město skoro zkrachovalo, konají se předčasné volby, KONČÍTE";
inline constexpr std::string_view kVotedOut = "Konají se předčasné volby, KONČÍTE";

inline constexpr std::string_view kNotEnoughMoney = "Nemáte dost peněz";

// Taxes are fifty per inhabitant, so the help says "padesát" where the first
// draft said sixty; the line keeps its length of 276 characters.
inline constexpr std::string_view kHelpTitle = "Nápověda";
inline constexpr std::string_view kHelp =
    "PENÍZE - Tady snad není co vysvětlovat ---- OBYVATELSTVO - To je dost důležitý faktor, "
    "protože daně se rovnají počet obyvatel krát padesát ---- POPULARITA - Čím víc tím líp "
    "pokud je popularita v mínusu víc jak deset končíte, taky je důležitá pro stavbu nějákých "
    "větších budov.";

// Reachable only by a town far richer than any play makes it: counters are 64-bit.
inline constexpr std::string_view kOverflowTitle = "Trelavka";
inline constexpr std::string_view kOverflow =
    "Chyba: přetečení (Overflow). Číslo se nevejde do počítadla, program bude ukončen.";

inline constexpr std::string_view kAboutSound = "data/about.dat";
inline constexpr std::string_view kMakerAddress = "www.example.org";

}  // namespace trelavka::text
