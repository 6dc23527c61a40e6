// The rules for the datalogger blocks that the datalogger dialog and the measure
// panel's block controls share: the fill text, choosing the active block, renaming it
// and changing its size. The panels show the results; these functions talk to the
// operator only through the ui layer and to the instrument through the driver.
#pragma once

#include <string>

namespace settings {

inline constexpr int LARGEST_BLOCK_SIZE = 20000;
// A block name in the instrument (and in the prompt) has at most 10 characters.
inline constexpr int BLOCK_NAME_LENGTH = 10;

// A block number that may index the block tables (0 to 31). Numbers from a file or an
// answer are tested with it before they are used.
bool valid_block(int block);

// The entry of `block` in a block selector: "%d,%s" with its number and name (UTF-8).
std::string block_list_label(int block);

// Asks how many values the active block holds into datalog.value_count and rebuilds
// datalog.count_text ("%d(%d)": size, then values stored). Returns the query's status;
// an active block out of range is not asked for (status -2, no values, the fill text
// empty).
int get_counts();

// Makes `block` the active block in the instrument and the record, then get_counts.
// False when it already was the active one or is out of range: nothing is sent.
bool make_active_block(int block);

// Asks the operator for a new name of the active block and sends it; the record takes
// the name as the instrument reads it back. False when nothing changed (cancelled,
// blank, refused text, or the instrument did not answer; the operator has been told
// what went wrong).
bool rename_active_block();

// Asks the operator for a new size of the active block. The size must be a whole
// number from 0 to 20000, hold the values already stored and fit the free memory. The
// record and free memory change only after the instrument reports the new size. True
// when the size changed; either way the fill text is rebuilt when anything was sent.
bool resize_active_block();

}  // namespace settings
