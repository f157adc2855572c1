// The Windows editor from the unpacked download, under Wine on Xvfb:
// xdotool plays the player, the inspector reads the windows, and the
// archive's bytes tell what a save wrote. Windows close by WM_CLOSE.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <sstream>
#include <thread>

#include "fielddata/slot_layout.h"
#include "tests/support/slot_boxes.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using State = std::map<std::string, std::string>;
using testing_support::readBytes;
using testing_support::TempDir;
using testing_support::writeBytes;
using testing_support::xzInSlot;

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int x(int dx = 0) const { return left + dx; }
    int y(int dy = 0) const { return top + dy; }
    std::string size() const { return std::to_string(right - left) + "x" + std::to_string(bottom - top); }
};

Rect rectOf(const std::string& text) {
    Rect r;
    std::sscanf(text.c_str(), "%d,%d,%d,%d", &r.left, &r.top, &r.right, &r.bottom);
    return r;
}

// Every key of `expected` as the state holds it.
void expectKeys(const State& state, const State& expected) {
    for (const auto& [key, value] : expected) {
        const auto found = state.find(key);
        EXPECT_EQ(found == state.end() ? "<none>" : found->second, value) << key;
    }
}

std::string output(const std::string& command) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    if (pipe) pclose(pipe);
    return text;
}

std::string windowsPath(const fs::path& path) {
    std::string text = "Z:" + path.string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

class WineEditor : public ::testing::Test {
protected:
    static inline fs::path unpacked;

    static void SetUpTestSuite() {
        setenv("WINEPREFIX", RINGWRIGHT_WINE_PREFIX, 1);
        setenv("WINEDEBUG", "-all", 1);
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
        const fs::path package = RINGWRIGHT_WINDOWS_PACKAGE;
        unpacked = fs::path(RINGWRIGHT_WINE_PREFIX).parent_path() / "wine-e2e-unpacked";
        fs::remove_all(unpacked);
        fs::create_directories(unpacked);
        ASSERT_EQ(std::system(("unzip -q '" + package.string() + "' -d '" + unpacked.string() + "'").c_str()), 0);
        unpacked /= package.stem();
        // The demo's own settings would name its own archive; each test names one.
        fs::remove(unpacked / "demo" / "Ringwright.ini");
        // One virtual desktop: without a window manager Wine waits on every window.
        wine("reg add HKCU\\\\Software\\\\Wine\\\\Explorer /v Desktop /d Default /f");
        wine("reg add HKCU\\\\Software\\\\Wine\\\\Explorer\\\\Desktops /v Default /d 1280x1024 /f");
        // Wine's own faces (MS Sans Serif, Marlett for the title-bar buttons)
        // from Debian's fonts-wine, where the prefix looks for them.
        const fs::path faces = fs::path(RINGWRIGHT_WINE_PREFIX) / "drive_c" / "windows" / "Fonts";
        for (const auto& face : fs::directory_iterator("/usr/share/wine/fonts"))
            fs::copy_file(face.path(), faces / face.path().filename(), fs::copy_options::skip_existing);
        std::system(RINGWRIGHT_WINESERVER " -k >/dev/null 2>&1");
        inspector("state");  // a new prefix's first program builds Wine's caches; no test waits for that
    }
    static void TearDownTestSuite() { std::system(RINGWRIGHT_WINESERVER " -k >/dev/null 2>&1"); }

    TempDir dir;
    fs::path archive = dir / "Longstopper.gob";
    pid_t editor = -1;

    void SetUp() override {
        fs::copy_file(unpacked / "demo" / "Longstopper.gob", archive);
        wine("reg add \"HKCU\\\\Software\\\\VB and VBA Program Settings\\\\Longstopper\\\\Tunebench\" /v GOB /d '" +
             windowsPath(archive) + "' /f");
    }
    void TearDown() override {
        if (editor <= 0) return;
        inspector("close");
        if (endsWithin(10s)) return;
        kill(editor, SIGKILL);
        waitpid(editor, nullptr, 0);
        waitUntil("the editor gone", [](State& s) { return s["main"] == "none"; });
    }

    static int wine(const std::string& arguments) {
        return std::system((RINGWRIGHT_WINE " " + arguments + " >/dev/null 2>&1").c_str());
    }
    static void inspector(const std::string& arguments) { wine(RINGWRIGHT_INSPECTOR " " + arguments); }
    static void xdo(const std::string& arguments) {
        std::system(("xdotool " + arguments).c_str());
        std::this_thread::sleep_for(150ms);
    }
    static void pointTo(int x, int y) { xdo("mousemove " + std::to_string(x) + " " + std::to_string(y)); }
    static void click(const Rect& box) {
        pointTo(box.x(5), box.y(5));
        xdo("mousedown 1");
        xdo("mouseup 1");
    }
    // Presses at (x, y) and moves by (dx, dy) `steps` times, the button held.
    static void pressAndMove(int x, int y, int dx, int dy, int steps) {
        pointTo(x, y);
        xdo("mousedown 1");
        for (int step = 1; step <= steps; ++step) pointTo(x + dx * step, y + dy * step);
    }

    State started(const fs::path& program) {
        editor = fork();
        if (editor == 0) {
            chdir(program.parent_path().c_str());
            execl(RINGWRIGHT_WINE, RINGWRIGHT_WINE, program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return waitFor("main.visible", "1", 60s);  // both cores may be busy
    }
    State started() { return started(unpacked / "demo" / "ringwright.exe"); }

    bool endsWithin(std::chrono::seconds patience) const {
        for (auto end = std::chrono::steady_clock::now() + patience; std::chrono::steady_clock::now() < end;
             std::this_thread::sleep_for(100ms))
            if (waitpid(editor, nullptr, WNOHANG) == editor) return true;
        return false;
    }

    static State state() {
        State read;
        std::istringstream lines(output(RINGWRIGHT_WINE " " RINGWRIGHT_INSPECTOR " state 2>/dev/null"));
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (const auto equals = line.find('='); equals != std::string::npos)
                read[line.substr(0, equals)] = line.substr(equals + 1);
        }
        return read;
    }

    // The state once `holds` says so; a test failure, with a screenshot, if never.
    template <class Holds>
    static State waitUntil(const std::string& what, Holds holds, std::chrono::seconds patience = 20s) {
        State read;
        for (auto end = std::chrono::steady_clock::now() + patience; std::chrono::steady_clock::now() < end;) {
            if (holds(read = state())) return read;
            std::this_thread::sleep_for(200ms);
        }
        static int failures = 0;
        const std::string shot = std::string(RINGWRIGHT_SCREENSHOT) + ".failure-" + std::to_string(++failures) + ".png";
        std::system(("import -window root '" + shot + "'").c_str());
        ADD_FAILURE() << "never " << what << "; the screen: " << shot << "; the focus: " << read["focus"]
                      << "; a message: " << read["message.text"];
        return read;
    }
    static State waitFor(const std::string& key, const std::string& value, std::chrono::seconds patience = 20s) {
        return waitUntil(key + " \"" + value + "\"", [&](State& s) { return s[key] == value; }, patience);
    }

    // The open message box, answered with Return once it is checked.
    static void expectMessage(const std::string& text, const std::string& buttons) {
        expectKeys(waitFor("message.text", text), {{"boxes", "1"}, {"message.caption", "Ringwright"}, {"message.buttons", buttons}});
        std::this_thread::sleep_for(300ms);
        xdo("key Return");
        waitUntil("\"" + text + "\" gone", [&](State& s) { return s["message.text"] != text; });  // another may follow
    }
    std::string save() {
        xdo("key alt+s");
        expectMessage("Are you sure to save this field", "Yes,No");
        expectMessage("saved", "OK");
        return readBytes(archive).substr(4096, 2048);
    }
};

TEST_F(WineEditor, StartsOnTheDemoFieldAndADragInBothViewsIsSaved) {
    State s = started();
    expectKeys(s, {{"txtGOBFile", windowsPath(archive)}, {"cboFieldList", "0:Standard Attacking"},
                   {"txtX(0)", "0.000000"}, {"txtZ(0)", "-1.600000"}, {"cboAnim(0)", "1:Slip01.anm"},
                   {"txtNum(8)", "3"}, {"lblFielder(0)", "200,240,210,256"}, {"colour.lblFielder(0)", "FF0000"},
                   {"colour.Picture1.corner", "3B4455"},      // the picture's dark blue-grey
                   {"focus", "txtGOBFile"}});
    EXPECT_EQ(rectOf(s["main.client"]).size(), "696x446");

    // Grab fielder 0 5 pixels right and 8 down of its corner; the pointer stays in the view.
    const Rect ground = rectOf(s["Picture1.client"]);
    pressAndMove(ground.x(205), ground.y(248), 3, -2, 10);
    // The boxes wait for the drop.
    expectKeys(state(), {{"clip", s["Picture1.client"]}, {"colour.txtX(0)", "FFFF00"}, {"colour.txtZ(0)", "00FF00"},
                         {"txtX(0)", "0.000000"}});
    xdo("mouseup 1");
    expectKeys(waitFor("txtX(0)", "-1.200000"), {{"txtZ(0)", "-0.800000"}, {"lblFielder(0)", "230,220,240,236"},
                                                 {"clip", "0,0,1280,1024"}, {"colour.txtX(0)", "FFFFFF"},
                                                 {"focus", "txtGOBFile"}});  // a marker takes no focus

    // Zoom opens over the main window's corner: fielder 0, at (5800, 5200)
    // twips, in the middle square; fielder 1 parked beyond the right edge.
    xdo("key alt+z");
    s = waitFor("zoom.visible", "1");
    expectKeys(s, {{"zoom.title", "Zoom View"}, {"zoom.lblFielder(0)", "387,347,400,364"},
                   {"zoom.lblFielder(1)", "427,72,440,89"}, {"colour.zoom.lblFielder(0)", "00FFFF"}});
    EXPECT_EQ(rectOf(s["zoom.rect"]).x() * 10000 + rectOf(s["zoom.rect"]).y(),
              rectOf(s["main.rect"]).x() * 10000 + rectOf(s["main.rect"]).y());
    const Rect zoom = rectOf(s["zoom.client"]);
    EXPECT_EQ(zoom.size(), "394x368");

    // A drop there moves the main marker and writes the boxes.
    pressAndMove(zoom.x(390), zoom.y(350), -10, -5, 6);
    EXPECT_EQ(state()["clip"], s["zoom.client"]);
    xdo("mouseup 1");
    s = waitFor("txtX(0)", "-0.600000");
    expectKeys(s, {{"txtZ(0)", "-0.500000"}, {"lblFielder(0)", "215,213,225,229"}});
    xdo("key alt+F4");  // the zoom window, which the drop left active
    waitFor("zoom", "none");

    click(rectOf(s["rect.txtNum(0)"]));
    EXPECT_EQ(xzInSlot(save(), 0), "-0.600000 -0.500000");
    EXPECT_EQ(waitFor("boxes", "0")["focus"], "cmdSave");  // where the access key put it
    std::system(("import -window root '" RINGWRIGHT_SCREENSHOT "'"));
}

TEST_F(WineEditor, ACoordinateOutOfRangeIsResetAndTheFocusColoursTheMarker) {
    State s = started();
    click(rectOf(s["rect.txtZ(2)"]));
    waitFor("focus", "txtZ(2)");
    waitFor("colour.lblFielder(2)", "0000FF");
    xdo("key ctrl+a");
    xdo("type 9");
    EXPECT_EQ(waitFor("txtZ(2)", "9")["lblFielder(2)"], "163,245,173,261");  // Z boxes place nothing

    // Into the X box: the marker stays blue; any key's release checks all nine.
    click(rectOf(s["rect.txtX(2)"]));
    waitFor("focus", "txtX(2)");
    waitFor("colour.lblFielder(2)", "0000FF");
    xdo("key End");
    // The message box takes the focus, which is no lost focus: the marker stays blue.
    EXPECT_EQ(waitFor("message.text", "Fielder not in range")["colour.lblFielder(2)"], "0000FF");
    expectMessage("Fielder not in range", "OK");
    // The focus is back where it was before the message.
    expectKeys(state(), {{"txtX(2)", "1"}, {"txtZ(2)", "1"}, {"lblFielder(2)", "175,175,185,191"},
                         {"focus", "txtX(2)"}, {"colour.lblFielder(2)", "0000FF"}});
}

TEST_F(WineEditor, ExportThroughTheSystemsOwnDialog) {
    started();
    // A folder whose name no one code page holds whole.
    const fs::path folder = dir / "\u0141\u00F3d\u017A \u0451";
    fs::create_directory(folder);
    xdo("key alt+e");
    EXPECT_EQ(waitFor("dialog.caption", "Select the file")["boxes"], "1");
    inspector("answer '" + windowsPath(folder / "sent") + "'");
    expectMessage("Exported to " + windowsPath(folder / "sent.opt"), "OK");
    EXPECT_TRUE(readBytes(folder / "sent.opt") == readBytes(archive).substr(4096, 2040));
}

// Place fielder... from the keyboard alone (a list, Tab, the other, Enter),
// then Mirror, Undo and Redo by their keys. A value is a step of its own
// once its box loses the focus.
TEST_F(WineEditor, AFielderIsPlacedByNameAndTheFieldMirroredFromTheKeyboard) {
    click(rectOf(started()["rect.txtNum(0)"]));
    xdo("key ctrl+a");
    xdo("type 7");
    xdo("key Tab ctrl+shift+p");
    waitFor("message.caption", "Place fielder");
    xdo("key Down Tab Down Return");
    // The second slip, the off side on the left as the demo's slips tell.
    expectKeys(waitFor("boxes", "0"), {{"txtX(1)", "0.691220"}, {"txtZ(1)", "-2.184721"}});
    xdo("key ctrl+m");  // zero keeps its text; the markers follow
    expectKeys(waitFor("txtX(1)", "-0.691220"), {{"txtX(0)", "0.000000"}, {"txtZ(1)", "-2.184721"}});
    xdo("key ctrl+z ctrl+z");
    expectKeys(waitFor("txtX(1)", "0.900000"), {{"txtNum(0)", "7"}});
    xdo("key ctrl+z ctrl+y ctrl+y");
    EXPECT_EQ(xzInSlot(save(), 1), "0.691220 -2.184721");  // placed, not mirrored
}

// A player without Field.txt double-clicks Find fields.cmd in a folder whose
// name no one code page holds whole: the tool scans the archive the editor
// opens and names each field after what it holds.
// The window of all fields then loads one by Enter.
TEST_F(WineEditor, FindFieldsWritesACatalogueThatAllFieldsBrowses) {
    const fs::path game = dir / "\u0141\u00F3d\u017A \u0451";
    fs::create_directories(game);
    for (const char* file : {"ringwright.exe", "ringwright-fields.exe", "Find fields.cmd"})
        fs::copy_file(unpacked / file, game / file);
    output(RINGWRIGHT_WINE " cmd /c '" + windowsPath(game / "Find fields.cmd") + "' </dev/null 2>&1");
    EXPECT_EQ(readBytes(game / "Field.txt"),
              "\"Field at 4097: 1 slip, gully\",4097\r\n\"Field at 10001: 1 slip, deep point\",10001\r\n"
              "\"Field at 16385: 2 slips, gully\",16385\r\n\"Field at 22501: 1 slip, third man\",22501\r\n"
              "\"Field at 30001: 1 slip, third man \xD7" "2\",30001\r\n\"Field at 40961: 1 slip, gully\",40961\r\n");
    started(game / "ringwright.exe");
    xdo("key ctrl+l");
    waitFor("allfields.cards", "6");
    xdo("key Right Return");
    EXPECT_EQ(waitFor("cboFieldList", "1:Field at 10001: 1 slip, deep point")["txtZ(0)"], "-1.600000");
}

}  // namespace
