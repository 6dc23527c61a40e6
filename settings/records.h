// The settings records: everything the program knows about the instrument's state, one
// global instance each. Their byte images are the configuration and backup file format
// (one set = the ten records in set order, 3900 bytes), so every size and offset is
// pinned below. Texts are Latin-1, NUL-terminated inside their fields; the bytes after a
// terminator belong to the image and travel through files as they stand.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

static_assert(std::endian::native == std::endian::little,
              "the settings files are little-endian images of these records");

namespace rec {

struct Device {
    std::int32_t new_firmware;
    char ident_1[30];
    char ident_2[50];
    char ident_3[15];
    char ident_4[15];
    char ident_5[18];
};

struct MeasurementConfiguration {
    std::int32_t range;
    std::int32_t auto_range_low;
    std::int32_t auto_range_high;
    std::int32_t load;
    std::int32_t continuous;
    std::int32_t average_count;
    std::int32_t average_type;
    std::int32_t resolution;
    std::int32_t voltage_limit;
    std::int32_t speed;
    std::int32_t fres_mode;
    std::int32_t display_mode;
    double reference;
};

inline constexpr int DATALOG_BLOCKS = 32;

struct Datalog {
    std::int32_t state;
    std::int32_t filter_mode[DATALOG_BLOCKS];
    std::int32_t filter_xval[DATALOG_BLOCKS];
    std::int32_t filter_hours[DATALOG_BLOCKS];
    std::int32_t filter_minutes[DATALOG_BLOCKS];
    std::int32_t filter_seconds[DATALOG_BLOCKS];
    unsigned char reserved_644[4];
    double filter_delta[DATALOG_BLOCKS];
    std::int32_t active_block;
    char block_name[DATALOG_BLOCKS][30];
    std::int32_t block_size[DATALOG_BLOCKS];
    std::int32_t value_count;
    char count_text[32];
    std::int32_t free_memory;
    char stat_max[30];
    char stat_min[30];
    char stat_avg[30];
    char stat_dev[30];
    unsigned char reserved_2156[4];
};

struct Env {
    std::int32_t state;
    char report_2[30];
    char report_1[30];
    char report_3[32];
};

struct Compare {
    std::int32_t state;
    std::int32_t relative;
    std::int32_t fault;
    std::int32_t limit_count;
    double limit_4;
    double limit_3;
    double limit_2;
    double limit_1;
    char limit_text_4[20];
    char limit_text_3[20];
    char limit_text_2[20];
    char limit_text_1[20];
    std::int32_t count_5;
    std::int32_t count_4;
    std::int32_t count_3;
    std::int32_t count_2;
    std::int32_t count_1;
    unsigned char reserved_148[4];
};

struct Print {
    std::int32_t state;
    std::int32_t item_time;
    std::int32_t item_number;
    std::int32_t item_date;
    std::int32_t item_temperature;
    std::int32_t item_label;
    char label_text[12];
    std::int32_t header;
    std::int32_t tdst_hours;
    std::int32_t tdst_minutes;
    std::int32_t tdst_seconds;
};

struct Upload {
    std::int32_t read_all;
    std::int32_t values_only;
    std::int32_t with_statistics;
    std::int32_t first_index;
    std::int32_t last_index;
};

struct Tempconf {
    std::int32_t state;
    std::int32_t sensor;
    double reference_temp;
    double manual_temp;
    std::int32_t active_coefficient;
    unsigned char reserved_28[4];
    std::int32_t coefficient[10];
    double voltage_scale[4];
    double current_scale[4];
    double pt100_scale[3];
};

inline constexpr int MEMORY_LABELS = 33;

struct Memory {
    std::int32_t selected;
    char label[MEMORY_LABELS][30];
    unsigned char reserved_994[2];
};

struct Access {
    std::int32_t meas;
    std::int32_t expr;
    std::int32_t lim_conf;
    std::int32_t lim_eval;
    std::int32_t prin;
    std::int32_t comp;
    std::int32_t comm;
    std::int32_t mem;
    std::int32_t scal;
    std::int32_t dat;
    std::int32_t env_eval;
    std::int32_t env_conf;
    std::int32_t cont;
    std::int32_t stat;
    std::int32_t reg;
    std::int32_t date;
    std::int32_t fast;
    std::int32_t cal;
    std::int32_t manr;
};

// The interface record, stored alone in Com.stp (56 bytes).
struct Com {
    std::int16_t interface;
    std::int16_t com_port;
    std::int32_t gpib_address;
    std::int32_t baud_rate;
    unsigned char reserved_12[24];
    std::int32_t print_color_mode;
    std::int32_t print_orientation;
    std::int32_t print_x_resolution;
    std::int32_t print_y_resolution;
    unsigned char reserved_52[4];
};

// Zero at start (static storage); every module reads and writes them directly.
extern Device device;
extern MeasurementConfiguration measurement_configuration;
extern Datalog datalog;
extern Env env;
extern Compare compare;
extern Print print;
extern Upload upload;
extern Tempconf tempconf;
extern Memory memory;
extern Access access;
extern Com com;

// --- the layout, pinned ---------------------------------------------------------------

template <typename T>
inline constexpr bool is_image_v = std::is_standard_layout_v<T>&& std::is_trivially_copyable_v<T>;

static_assert(is_image_v<Device> && sizeof(Device) == 132);
static_assert(offsetof(Device, new_firmware) == 0 && offsetof(Device, ident_1) == 4 &&
              offsetof(Device, ident_2) == 34 && offsetof(Device, ident_3) == 84 &&
              offsetof(Device, ident_4) == 99 && offsetof(Device, ident_5) == 114);

static_assert(is_image_v<MeasurementConfiguration> && sizeof(MeasurementConfiguration) == 56);
static_assert(offsetof(MeasurementConfiguration, range) == 0 &&
              offsetof(MeasurementConfiguration, auto_range_low) == 4 &&
              offsetof(MeasurementConfiguration, auto_range_high) == 8 &&
              offsetof(MeasurementConfiguration, load) == 12 &&
              offsetof(MeasurementConfiguration, continuous) == 16 &&
              offsetof(MeasurementConfiguration, average_count) == 20 &&
              offsetof(MeasurementConfiguration, average_type) == 24 &&
              offsetof(MeasurementConfiguration, resolution) == 28 &&
              offsetof(MeasurementConfiguration, voltage_limit) == 32 &&
              offsetof(MeasurementConfiguration, speed) == 36 &&
              offsetof(MeasurementConfiguration, fres_mode) == 40 &&
              offsetof(MeasurementConfiguration, display_mode) == 44 &&
              offsetof(MeasurementConfiguration, reference) == 48);

static_assert(is_image_v<Datalog> && sizeof(Datalog) == 2160);
static_assert(offsetof(Datalog, state) == 0 && offsetof(Datalog, filter_mode) == 4 &&
              offsetof(Datalog, filter_xval) == 132 && offsetof(Datalog, filter_hours) == 260 &&
              offsetof(Datalog, filter_minutes) == 388 &&
              offsetof(Datalog, filter_seconds) == 516 && offsetof(Datalog, reserved_644) == 644 &&
              offsetof(Datalog, filter_delta) == 648 && offsetof(Datalog, active_block) == 904 &&
              offsetof(Datalog, block_name) == 908 && offsetof(Datalog, block_size) == 1868 &&
              offsetof(Datalog, value_count) == 1996 && offsetof(Datalog, count_text) == 2000 &&
              offsetof(Datalog, free_memory) == 2032 && offsetof(Datalog, stat_max) == 2036 &&
              offsetof(Datalog, stat_min) == 2066 && offsetof(Datalog, stat_avg) == 2096 &&
              offsetof(Datalog, stat_dev) == 2126 && offsetof(Datalog, reserved_2156) == 2156);

static_assert(is_image_v<Env> && sizeof(Env) == 96);
static_assert(offsetof(Env, state) == 0 && offsetof(Env, report_2) == 4 &&
              offsetof(Env, report_1) == 34 && offsetof(Env, report_3) == 64);

static_assert(is_image_v<Compare> && sizeof(Compare) == 152);
static_assert(offsetof(Compare, state) == 0 && offsetof(Compare, relative) == 4 &&
              offsetof(Compare, fault) == 8 && offsetof(Compare, limit_count) == 12 &&
              offsetof(Compare, limit_4) == 16 && offsetof(Compare, limit_3) == 24 &&
              offsetof(Compare, limit_2) == 32 && offsetof(Compare, limit_1) == 40 &&
              offsetof(Compare, limit_text_4) == 48 && offsetof(Compare, limit_text_3) == 68 &&
              offsetof(Compare, limit_text_2) == 88 && offsetof(Compare, limit_text_1) == 108 &&
              offsetof(Compare, count_5) == 128 && offsetof(Compare, count_4) == 132 &&
              offsetof(Compare, count_3) == 136 && offsetof(Compare, count_2) == 140 &&
              offsetof(Compare, count_1) == 144 && offsetof(Compare, reserved_148) == 148);

static_assert(is_image_v<Print> && sizeof(Print) == 52);
static_assert(offsetof(Print, state) == 0 && offsetof(Print, item_time) == 4 &&
              offsetof(Print, item_number) == 8 && offsetof(Print, item_date) == 12 &&
              offsetof(Print, item_temperature) == 16 && offsetof(Print, item_label) == 20 &&
              offsetof(Print, label_text) == 24 && offsetof(Print, header) == 36 &&
              offsetof(Print, tdst_hours) == 40 && offsetof(Print, tdst_minutes) == 44 &&
              offsetof(Print, tdst_seconds) == 48);

static_assert(is_image_v<Upload> && sizeof(Upload) == 20);
static_assert(offsetof(Upload, read_all) == 0 && offsetof(Upload, values_only) == 4 &&
              offsetof(Upload, with_statistics) == 8 && offsetof(Upload, first_index) == 12 &&
              offsetof(Upload, last_index) == 16);

static_assert(is_image_v<Tempconf> && sizeof(Tempconf) == 160);
static_assert(offsetof(Tempconf, state) == 0 && offsetof(Tempconf, sensor) == 4 &&
              offsetof(Tempconf, reference_temp) == 8 && offsetof(Tempconf, manual_temp) == 16 &&
              offsetof(Tempconf, active_coefficient) == 24 &&
              offsetof(Tempconf, reserved_28) == 28 && offsetof(Tempconf, coefficient) == 32 &&
              offsetof(Tempconf, voltage_scale) == 72 && offsetof(Tempconf, current_scale) == 104 &&
              offsetof(Tempconf, pt100_scale) == 136);

static_assert(is_image_v<Memory> && sizeof(Memory) == 996);
static_assert(offsetof(Memory, selected) == 0 && offsetof(Memory, label) == 4 &&
              offsetof(Memory, reserved_994) == 994);

static_assert(is_image_v<Access> && sizeof(Access) == 76);
static_assert(offsetof(Access, meas) == 0 && offsetof(Access, expr) == 4 &&
              offsetof(Access, lim_conf) == 8 && offsetof(Access, lim_eval) == 12 &&
              offsetof(Access, prin) == 16 && offsetof(Access, comp) == 20 &&
              offsetof(Access, comm) == 24 && offsetof(Access, mem) == 28 &&
              offsetof(Access, scal) == 32 && offsetof(Access, dat) == 36 &&
              offsetof(Access, env_eval) == 40 && offsetof(Access, env_conf) == 44 &&
              offsetof(Access, cont) == 48 && offsetof(Access, stat) == 52 &&
              offsetof(Access, reg) == 56 && offsetof(Access, date) == 60 &&
              offsetof(Access, fast) == 64 && offsetof(Access, cal) == 68 &&
              offsetof(Access, manr) == 72);

static_assert(is_image_v<Com> && sizeof(Com) == 56);
static_assert(offsetof(Com, interface) == 0 && offsetof(Com, com_port) == 2 &&
              offsetof(Com, gpib_address) == 4 && offsetof(Com, baud_rate) == 8 &&
              offsetof(Com, reserved_12) == 12 && offsetof(Com, print_color_mode) == 36 &&
              offsetof(Com, print_orientation) == 40 && offsetof(Com, print_x_resolution) == 44 &&
              offsetof(Com, print_y_resolution) == 48 && offsetof(Com, reserved_52) == 52);

}  // namespace rec
