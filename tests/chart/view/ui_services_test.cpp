#include "support/fake_ui_services.h"

#include <gtest/gtest.h>

using brelt::chart::Answer;
using brelt::chart::uiServices;

TEST(UiServices, FakeRecordsTextsAndAnswersInOrder) {
    brelt::testing::FakeUiServices fake;
    fake.answers = {Answer::Yes};
    EXPECT_TRUE(uiServices().confirm(nullptr, "Brelt", "Overwrite?"));
    EXPECT_FALSE(uiServices().confirm(nullptr, "Brelt", "Again?")); // queue empty: No
    uiServices().message(nullptr, "Brelt", "Done");
    EXPECT_EQ(fake.texts(), QStringList({"Overwrite?", "Again?", "Done"}));
}

TEST(UiServices, UninstallsItselfOnDestruction) {
    auto* before = &uiServices();
    {
        brelt::testing::FakeUiServices fake;
        EXPECT_EQ(&uiServices(), &fake);
    }
    EXPECT_EQ(&uiServices(), before);
}
