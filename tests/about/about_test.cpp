// The About window's version label and the suggestions window's texts and mail.

#include "about/about_texts.h"
#include "about/suggestions.h"
#include "common/program_version.h"

#include <gtest/gtest.h>

using namespace sg;

TEST(About, TheVersionLabelShowsEveryPartOfTheBuildsVersion)
{
    EXPECT_EQ(versionLabel(2, 0, 0), "Vs.2.0.0");
    EXPECT_EQ(versionLabel(2, 1, 14), "Vs.2.1.14");
    EXPECT_EQ(kProgramVersion, SKYGLASS_PROJECT_VERSION);
    EXPECT_EQ(programVersionLabel(), "Vs." SKYGLASS_PROJECT_VERSION);
}

TEST(Suggestions, TheFirstActivationAddsItsParagraphOnceAndTheFlagFollowsTheWindow)
{
    bool open = false;
    SuggestionsLogic logic(open);
    logic.open();
    EXPECT_TRUE(open);
    EXPECT_EQ(logic.view().frameCaption, "Suggestions And Bugs");
    const std::string explanation = logic.view().explanation;
    EXPECT_TRUE(explanation.starts_with("       Please Click The \"Send\" Button, Below,"));
    EXPECT_TRUE(explanation.ends_with("Or Mailing Lists.\r\n"));
    logic.activate();
    logic.activate();
    EXPECT_EQ(logic.view().explanation, explanation + suggestionsActivationParagraph());
    EXPECT_NE(suggestionsActivationParagraph().find("Skyglass2"), std::string::npos);
    logic.close();
    EXPECT_FALSE(open);
}

TEST(Suggestions, TheMailIsAddressedWithSubjectAndBodyEncoded)
{
    EXPECT_EQ(suggestionMailUrl("bugs+sg@example.org"),
        "mailto:bugs%2Bsg@example.org?subject=Suggestions%20And%20Bugs"
        "&body=Suggestions%20And%20Bugs");
    EXPECT_EQ(suggestionMailUrl("x?y&z"), "mailto:x%3Fy%26z?subject=Suggestions%20And%20Bugs"
                                         "&body=Suggestions%20And%20Bugs");
    EXPECT_FALSE(suggestionsRecipient().empty());
}
