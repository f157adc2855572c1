#include "editor/tests/editor_fixture.h"

namespace ringwright::testing {
namespace {

const ShownMessage exclamation(const std::string& text) { return {text, 48, "Ringwright"}; }

TEST_F(EditorTest, AllFieldsShowsEveryRecordAndChoosingOneLoadsIt) {
    writeBytes(catalogue, "\"Deep, Fine\",4097\r\nSecond,8193\r\nJunk,1\r\nPast,99999\r\nBad,x\r\n");
    writeBytes(archive, archiveWithFields());
    ASSERT_TRUE(start());
    window->RunTool(form::Tool::AllFields);
    ASSERT_TRUE(view.allFields);
    const auto& cards = view.allFields->cards;
    ASSERT_EQ(cards.size(), 5u);
    EXPECT_EQ(view.allFields->shown, 1);
    EXPECT_EQ(view.allFields->current, 0);
    EXPECT_EQ(cards[0].caption(), "Deep, Fine\nat byte 4097\n1 slip, silly point, point, cover point ×2, deep square leg, long "
                                  "leg, backward square leg, short fine leg · 5 off, 4 leg");
    EXPECT_EQ(cards[1].place, "at byte 8193");
    EXPECT_EQ(cards[2].caption(), "Junk\nat byte 1\nNo field: It does not begin with \"BEGIN\", as every field does.");
    EXPECT_EQ(cards[3].words, "No field: The field slot at byte 99999 runs past the end of \"" + archive.string() +
                                  "\", which holds 16384 bytes.");
    EXPECT_EQ(cards[4].caption(), "Bad\nno slot\nField.txt cannot be read: the field offset \"x\" on line 5 is not a "
                                  "whole number from -2147483648 to 2147483647.");
    EXPECT_FALSE(cards[2].markers);
    // Fielder 0 at X -4, Z 4: Left 4500 and Top 1500 twips, so 90 and 30 of 120 pixels.
    const CardDrawing drawing = drawingOf(cards[0], 120);
    ASSERT_EQ(drawing.markers.size(), 9u);
    const PixelRect& marker = drawing.markers[0];
    EXPECT_EQ(std::vector<int>({drawing.ring.left, drawing.ring.width, marker.left, marker.top, marker.width, marker.height}),
              std::vector<int>({30, 60, 90, 30, 3, 5}));

    window->AllFields_Choose(1);
    EXPECT_EQ(view.listIndex(kCboFieldList), 1);
    EXPECT_EQ(xz(0), "-3.500000 4.000000");
    EXPECT_EQ(platform.messages, Messages{});
    // Saved, its card shows it so: fielder 0 goes to long leg.
    view.setText(txtX(0), "-1");
    view.setText(txtZ(0), "7");
    window->cmdSave_Click();
    EXPECT_EQ(cards[1].words, "1 slip, point ×2, cover point, deep cover, long leg, short fine leg, leg slip, fine leg · "
                              "5 off, 4 leg");
}

TEST_F(EditorTest, ALargeCatalogueFillsAStepAtATime) {
    std::string records;
    for (int i = 0; i < 100; ++i) records += "F" + std::to_string(i) + ",4097\r\n";
    writeBytes(catalogue, records);
    writeBytes(archive, archiveWithFields());
    ASSERT_TRUE(start());
    window->ShowAllFields();
    EXPECT_EQ(view.allFields->cards.size(), 24u);
    EXPECT_EQ(view.allFields->fillsAsked, 1);
    view.typed = "Renamed";  // before its card is added
    window->RenameField(90);
    EXPECT_TRUE(window->AllFields_Fill());
    EXPECT_EQ(view.allFields->cards.size(), 72u);
    EXPECT_FALSE(window->AllFields_Fill());
    EXPECT_EQ(view.allFields->cards.at(99).name, "F99");
    EXPECT_EQ(view.allFields->cards.at(90).name, "Renamed");
}

TEST_F(EditorTest, RenamingChangesOnlyThatNameAndKeepsTheFirstCatalogue) {
    const std::string first = "\xEF\xBB\xBF" "One,4097\nTwo, 8193\r\n\r\nThree,1";
    writeBytes(catalogue, first);
    writeBytes(archive, archiveWithFields());
    ASSERT_TRUE(start());
    window->ShowAllFields();
    view.typed = "Wide, d\u00e9ep";
    window->RenameField(1);
    EXPECT_EQ(view.asked, (std::vector<std::string>{"Rename field", "New name for \"Two\":", "Two"}));
    EXPECT_EQ(readBytes(catalogue), "\xEF\xBB\xBF" "One,4097\n\"Wide, d\xC3\xA9" "ep\", 8193\r\n\r\nThree,1");
    EXPECT_EQ(view.listEntry(kCboFieldList, 1), "Wide, d\u00e9ep");
    EXPECT_EQ(view.allFields->cards[1].name, "Wide, d\u00e9ep");
    view.typed = "Third";
    window->RunTool(form::Tool::RenameField);
    EXPECT_EQ(readBytes(catalogue), "\xEF\xBB\xBF" "Third,4097\n\"Wide, d\xC3\xA9" "ep\", 8193\r\n\r\nThree,1");
    EXPECT_EQ(readBytes(dir / "Field.txt.bak"), first);

    view.typed = std::nullopt;
    window->RenameField(0);
    writeBytes(catalogue, "Other,4097\r\n");
    view.typed = "Fourth";
    window->RenameField(0);
    EXPECT_EQ(readBytes(catalogue), "Other,4097\r\n");
    EXPECT_EQ(view.listEntry(kCboFieldList, 0), "Third");
    EXPECT_EQ(platform.messages, (Messages{exclamation("Field.txt has changed since it was read, so \"Third\" was not "
                                                    "renamed. Start Ringwright again to read it afresh.")}));
}

}  // namespace
}  // namespace ringwright::testing
