#pragma once
// The two windows as a test plays them: every text, list, colour and marker
// is a value the test reads and sets, and the zoom window is loaded,
// shown and closed at the test's word.
#include <array>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "editor/form.h"
#include "editor/views.h"

namespace ringwright {

inline void PrintTo(const TwipsPoint& point, std::ostream* out) { *out << "(" << point.left << ", " << point.top << ")"; }

}  // namespace ringwright

namespace ringwright::testing {

constexpr WindowHandle kMainHandle = 1, kGroundHandle = 2, kZoomHandle = 3;

class FakeZoomView : public ZoomView {
public:
    std::array<TwipsPoint, 9> markers;
    bool visible = false;
    bool hasMainIcon = false;
    int broughtToFront = 0;
    std::optional<TwipsPoint> position;

    FakeZoomView() {
        for (int i = 0; i < 9; ++i)
            markers[i] = {float(form::kZoomMarkers.left), float(form::kZoomMarkers.tops[i])};
    }
    TwipsPoint markerPosition(int i) const override { return markers.at(i); }
    void moveMarker(int i, TwipsPoint where) override { markers.at(i) = where; }
    bool isVisible() const override { return visible; }
    void show() override { visible = true; }
    void bringToFront() override { ++broughtToFront; }
    void moveTo(TwipsPoint screen) override { position = screen; }
    void takeIconOfMainWindow() override { hasMainIcon = true; }
    WindowHandle windowHandle() const override { return kZoomHandle; }
    void setFielderNames(const std::array<std::string, 9>& shown) override { names = shown; }
    std::array<std::string, 9> names;
};

class FakeAllFieldsView : public AllFieldsView {
public:
    std::vector<FieldCard> cards;
    int current = -1, shown = 0, fillsAsked = 0;
    void show() override { ++shown; }
    void clearCards() override { cards.clear(); }
    void addCard(const FieldCard& card) override { cards.push_back(card); }
    void replaceCard(int card, const FieldCard& with) override { cards.at(std::size_t(card)) = with; }
    void setCurrentCard(int card) override { current = card; }
    void fillLater() override { ++fillsAsked; }
};

class FakeMainView : public MainView {
public:
    std::map<ControlId, std::string> texts;
    std::map<ControlId, std::vector<std::string>> entries;
    std::map<ControlId, int> selected;
    std::map<ControlId, StoredColour> colours;
    std::array<TwipsPoint, 9> markers;
    TwipsPoint position{600, 450};
    std::unique_ptr<FakeZoomView> zoom;  // reset() closes and unloads it
    std::optional<int> exitStatus;
    std::string ringCount;
    std::vector<std::string> picturesSaved;
    bool pictureWritable = true;
    int picturesCopied = 0;

    FakeMainView() {
        for (int i = 0; i < 9; ++i) markers[i] = {float(form::kMainMarkers.left), float(form::kMainMarkers.tops[i])};
    }

    std::string text(ControlId box) const override { return texts.contains(box) ? texts.at(box) : ""; }
    void setText(ControlId box, const std::string& text) override { texts[box] = text; }
    void addListEntry(ControlId list, const std::string& entry) override { entries[list].push_back(entry); }
    int listCount(ControlId list) const override { return entries.contains(list) ? int(entries.at(list).size()) : 0; }
    std::string listEntry(ControlId list, int entry) const override { return entries.at(list).at(entry); }
    int listIndex(ControlId list) const override { return selected.contains(list) ? selected.at(list) : -1; }
    void setListIndex(ControlId list, int entry) override { selected[list] = entry; }
    void setListEntry(ControlId list, int entry, const std::string& text) override { entries.at(list).at(entry) = text; }
    std::optional<std::string> typed;  // the answer to the next askText
    std::vector<std::string> asked;    // caption, prompt and offered text of each
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& offered) override {
        asked.insert(asked.end(), {caption, prompt, offered});
        return typed;
    }
    std::unique_ptr<FakeAllFieldsView> allFields;
    AllFieldsView* allFieldsWindow() override { return allFields.get(); }
    AllFieldsView& loadAllFieldsWindow() override {
        if (!allFields) allFields = std::make_unique<FakeAllFieldsView>();
        return *allFields;
    }
    // The selected entry's text, as the writer takes it.
    std::string listText(ControlId list) const { return listIndex(list) < 0 ? "" : listEntry(list, listIndex(list)); }
    void setBackColor(ControlId control, StoredColour colour) override { colours[control] = colour; }
    // Boxes start in the window background colour, markers red.
    StoredColour backColor(ControlId control) const {
        if (colours.contains(control)) return colours.at(control);
        return control.control == Control::lblFielder ? form::kMainMarkers.back : 0x80000005u;
    }
    TwipsPoint markerPosition(int i) const override { return markers.at(i); }
    void moveMarker(int i, TwipsPoint where) override { markers.at(i) = where; }
    WindowHandle windowHandle(ControlId window) const override {
        return window.control == Control::Picture1 ? kGroundHandle : kMainHandle;
    }
    TwipsPoint windowPosition() const override { return position; }
    void setRingCount(const std::string& text) override { ringCount = text; }
    void setFieldInWords(const std::array<std::string, 9>& shown, const std::string& line,
                         const std::string& warned) override {
        names = shown;
        inWords = line;
        warnings = warned;
    }
    std::array<std::string, 9> names;
    std::string inWords, warnings;
    // The smallest PNG there is: its signature and its end.
    bool saveGroundPicture(const std::string& path) override {
        picturesSaved.push_back(path);
        if (pictureWritable) std::ofstream(path, std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\0\0\0\0IEND\xae\x42\x60\x82", 20);
        return pictureWritable;
    }
    void copyGroundPicture() override { ++picturesCopied; }
    std::optional<std::pair<int, int>> placement;  // the answer to "Place fielder..."
    std::vector<std::string> placingFielders, placingPositions;
    std::optional<std::pair<int, int>> choosePlacement(const std::vector<std::string>& fielders,
                                                       const std::vector<std::string>& positions, int) override {
        placingFielders = fielders;
        placingPositions = positions;
        return placement;
    }
    ZoomView* zoomWindow() override { return zoom.get(); }
    ZoomView& loadZoomWindow() override {
        zoom = std::make_unique<FakeZoomView>();
        return *zoom;
    }
    void endProgram(int status) override { exitStatus = status; }
};

}  // namespace ringwright::testing
