#include "core/app/ModelChoice.h"

#include "support/TestSupport.h"
#include "core/app/CSettings.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(ModelChoice, ChangesAreClassifiedByWhatTheyTouch) {
    const ModelChoice current{"TAV-V300", "TAV 310", "136-174", 0};
    EXPECT_EQ(CompareModelChoice(current, current), ModelChoiceChange::None);
    ModelChoice renamed = current;
    renamed.modelName = "TAV 320";
    EXPECT_EQ(CompareModelChoice(current, renamed), ModelChoiceChange::NameOnly);
    ModelChoice otherModel{"TAV-U600", "TAV 610", "400-470", 0};
    EXPECT_EQ(CompareModelChoice(current, otherModel), ModelChoiceChange::Identity);
    ModelChoice otherSignal = renamed;
    otherSignal.signalType = 2;
    EXPECT_EQ(CompareModelChoice(current, otherSignal), ModelChoiceChange::Identity);
    ModelChoice otherRange = current;
    otherRange.rangeText = "136-150";
    EXPECT_EQ(CompareModelChoice(current, otherRange), ModelChoiceChange::Identity);
}

TEST(ModelChoice, SettingsGiveAndTakeTheIdentity) {
    test::TempDir dir;
    CSettings settings{ProgramHome(dir.path())};
    settings.CancelExitWrite();
    const ModelChoice choice{"TAV-U600", "TAV 610", "400-470", 3};
    ApplyModelChoice(settings, choice);
    EXPECT_EQ(CurrentModelChoice(settings), choice);
    EXPECT_EQ(settings.ModelName(), "TAV 610");
}

} // namespace
} // namespace tav
