#include "instrument/readout_buffers.h"

#include <new>

#include "ui/ui.h"

namespace instrument {

DatalogReadout dl_readout;
double dblmin = 0;
double dblmax = 0;
double dblavg = 0;
double dbldev = 0;

bool DatalogReadout::allocate(std::int32_t first_index, std::int32_t last_index) {
    release();
    std::int64_t count = std::int64_t{last_index} - first_index + 1;
    if (count >= 0 && count <= MAX_READOUT_VALUES) {
        // One spare entry, so a reader that looks one past the last value still reads
        // zeroed memory of ours.
        auto entries = static_cast<std::size_t>(count) + 1;
        data_.reset(new (std::nothrow) DlEntry[entries]());
        num_.reset(new (std::nothrow) float[entries]());
        if (data_ && num_) {
            count_ = static_cast<std::int32_t>(count);
            first_ = first_index;
            return true;
        }
        release();
    }
    ui::message_box(UI_TEXT("ohm7416", "Fehler-Meldung :"),
                    UI_TEXT("ohm7416", "Kann keinen Speicher zuweisen"));
    return false;
}

void DatalogReadout::release() {
    data_.reset();
    num_.reset();
    count_ = 0;
    first_ = 0;
    source_ = {};
}

void DatalogReadout::keep_first(std::int32_t count) {
    if (count >= 0 && count < count_) count_ = count;
}

}  // namespace instrument
