// Records in a known state and a scripted ui for every settings test.
#pragma once

#include <gtest/gtest.h>

#include <random>

#include "settings/settings_files.h"
#include "ui/scripted_backend.h"

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::set_backend(&backend);
        settings::apply_set(settings::SetImage{});
    }
    void TearDown() override { ui::set_backend(nullptr); }

    // Every byte of the records, those after text terminators and the reserved ones
    // included, set from a seeded generator.
    static settings::SetImage noise(unsigned seed) {
        std::mt19937 generator(seed);
        settings::SetImage image;
        for (auto& byte : image) byte = static_cast<unsigned char>(generator());
        return image;
    }

    const ui::PopupRecord& only_popup() const {
        EXPECT_EQ(backend.popups().size(), 1u);
        static const ui::PopupRecord none;
        return backend.popups().empty() ? none : backend.popups().front();
    }

    ui::ScriptedBackend backend;
};
