// Answers a test puts in place of the model's.
#include <gtest/gtest.h>

#include "model_bench.h"

namespace sim_test {
namespace {

using namespace tarvolux::sim;

TEST(ScriptedAnswers, TheNextQueriesOfAHeaderInAnySpellingThenTheModelAgain) {
    ModelBench bench;
    bench.instrument.script_answer("STATus:QUEStionable:FRESistance?", "C0", 2);
    EXPECT_EQ(bench.query(":STAT:QUES:FRES?"), "C0");
    EXPECT_EQ(bench.query("stat:ques:fres?"), "C0");
    EXPECT_EQ(bench.query(":STAT:QUES:FRES?"), "0");
    bench.instrument.script_answer("*IDN?", "first");
    bench.instrument.script_answer("*IDN?", "second");
    EXPECT_EQ(bench.query("*IDN?"), "first");
    EXPECT_EQ(bench.query("*IDN?"), "second");
}

TEST(ScriptedAnswers, AnOverrideHoldsUntilClearedAndQueuedAnswersGoFirst) {
    ModelBench bench;
    bench.instrument.override_answer("SENSE:AVER:TCON?", "mov");
    bench.instrument.override_answer("SENSE:AVER:TCON?", "rep");
    bench.instrument.script_answer("SENSE:AVER:TCON?", "garbage");
    EXPECT_EQ(bench.query("SENSE:AVER:TCON?"), "garbage");
    EXPECT_EQ(bench.query("SENSE:AVER:TCON?"), "rep");
    EXPECT_EQ(bench.query("SENSE:AVER:TCON?"), "rep");
    bench.instrument.clear_scripted_answers();
    EXPECT_EQ(bench.query("SENSE:AVER:TCON?"), "MOV");
}

TEST(ScriptedAnswers, TheModelStillCarriesTheCommandOut) {
    ModelBench bench;
    bench.send({"IN"});
    bench.wait(std::chrono::milliseconds(100));
    bench.instrument.script_answer("FE?", ">>> Over Range");
    EXPECT_EQ(bench.query("FE?"), ">>> Over Range");
    EXPECT_EQ(bench.query("S:O:C?"), "16") << "the value was fetched";

    bench.instrument.script_answer("NO:SUCH:THING?", "12");
    EXPECT_EQ(bench.query("NO:SUCH:THING?"), "12");
    EXPECT_EQ(bench.next_error(), 0) << "a scripted header is known";
}

}  // namespace
}  // namespace sim_test
