// What the read-out panel's controls decide before a read-out, without the panel: the
// block to read from and the range of value numbers. The panel and the command-line
// tool both go through here, so they send the same and refuse the same.
#pragma once

#include <cstdint>

#include "ui/translatable.h"

namespace datalog {

inline constexpr const char* RANGE_REFUSED =
    UI_TEXT("ohm7416", "Auswahl nicht zulässig \n'von' muss keiner sein als 'bis'");

// Makes `block` the block read from. When it is not the active block already, the
// instrument is told ("DAT:SEL:BLOC n") and asked how many values it holds
// (settings::get_counts). Returns the status of the last exchange, 0 when nothing had
// to be sent, -2 for a block out of range (nothing sent). A lost connection has been
// told to the operator.
std::int32_t select_readout_block(int block);

// upload.first_index and upload.last_index := from and to. When `to` lies before
// `from` the operator is told (RANGE_REFUSED) and nothing changes: false.
bool take_readout_range(std::int32_t from, std::int32_t to);

// What the read button takes: with `read_all` the whole active block (1 to
// datalog.value_count), otherwise take_readout_range(from, to). Also sets
// upload.read_all.
bool choose_readout_range(bool read_all, std::int32_t from, std::int32_t to);

}  // namespace datalog
