#include <stdexcept>

#include "MainWindowFixture.h"
#include "app/ExceptionPolicies.h"
#include "probes/Services.h"

namespace {

TEST_F(MainWindowTest, TimersRunOnTheirScheduleAndOneShotsStayOff) {
    Create();
    TFormMain& f = *form_;
    struct Expected {
        ui::Timer& timer;
        UINT interval;
        bool staysOn;
    };
    const Expected timers[] = {{f.Timer1, 1, false},  {f.Timer2, 1, true},    {f.Timer3, 200, true},
                               {f.Timer4, 1, false},  {f.Timer5, 1000, true}, {f.Timer6, 500, false},
                               {f.Timer7, 1000, true}};
    for (const Expected& e : timers) {
        EXPECT_TRUE(e.timer.Enabled());  // every timer is on from its creation
        EXPECT_EQ(e.timer.Interval(), e.interval);
    }
    app_.Show(f);
    ASSERT_TRUE(PumpUntil([&] { return !f.Timer1.Enabled() && !f.Timer4.Enabled() && !f.Timer6.Enabled(); }));
    PumpFor(std::chrono::milliseconds(1200));  // past one tick of the slowest timers
    for (const Expected& e : timers) EXPECT_EQ(e.timer.Enabled(), e.staysOn) << e.interval;
}

TEST_F(MainWindowTest, ADroppedErrorShowsNoBoxAndAOneShotsErrorOneBoxAfterItsTimerIsOff) {
    CreateAndShow();
    MessageBoxWatcher boxes;

    int droppedTicks = 0;
    ui::Timer dropping;
    dropping.Create(*form_, 10, [&] {
        ++droppedTicks;
        DropExceptions([] { throw std::runtime_error("dropped"); });
    });
    ASSERT_TRUE(PumpUntil([&] { return droppedTicks >= 5; }));
    EXPECT_EQ(boxes.Count(), 0);
    dropping.SetEnabled(false);

    // A one-shot's error reaches the box only once its timer is off.
    ui::Timer oneShot;
    oneShot.Create(*form_, 10,
                   [&] { SwitchOffFirst(oneShot, [] { throw std::runtime_error("the listing failed"); }); });
    bool onWhenShown = true;
    boxes.OnNewBox = [&] { onWhenShown = oneShot.Enabled(); };
    ASSERT_TRUE(PumpUntil([&] { return boxes.Count() > 0; }));
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_FALSE(onWhenShown);
    EXPECT_EQ(boxes.LastText(), "the listing failed");
    EXPECT_EQ(boxes.LastCaption(), app_.Title());
    EXPECT_TRUE(IsWindow(form_->Handle()));  // the loop goes on
}

// The service list's handler: the manager's list in the list box, once; a failing listing
// shows one box, and only after the timer is off.
TEST_F(MainWindowTest, TheServiceListIsFilledOnceAndAFailureIsReportedAfterItsTimerIsOff) {
    Create();
    std::vector<std::string> expected;
    ListServices("", kWin32Services, kAllServiceStates, expected);
    app_.Show(*form_);
    ASSERT_TRUE(PumpUntil([this] { return !form_->Timer4.Enabled(); }));
    EXPECT_EQ(form_->ListBox1.Lines(), expected);
    EXPECT_FALSE(expected.empty());
    form_.reset();

    Create();
    form_->probes.listServices = [](const std::string&, std::uint32_t, std::uint32_t,
                                    std::vector<std::string>&) -> bool { throw std::runtime_error("no services"); };
    MessageBoxWatcher boxes;
    bool onWhenShown = true;
    boxes.OnNewBox = [&] { onWhenShown = form_->Timer4.Enabled(); };
    app_.Show(*form_);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Count() > 0; }));
    PumpFor(std::chrono::milliseconds(200));
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.LastText(), "no services");
    EXPECT_FALSE(onWhenShown);
    EXPECT_EQ(form_->ListBox1.Count(), 0);
}

}  // namespace
