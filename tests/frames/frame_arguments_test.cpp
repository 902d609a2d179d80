// The command line of kestrum-frames, read in-process: the accepted forms
// and every refusal, each naming the argument at fault.
#include "frame_arguments.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Words(const std::wstring& line) {
    std::wistringstream stream(line);
    std::vector<std::wstring> words;
    std::wstring word;
    while (stream >> word) words.push_back(word);
    return words;
}

FrameRequest Accept(const std::wstring& line) {
    FrameRequest request;
    ArgumentError error;
    EXPECT_TRUE(ParseFrameArguments(Words(line), request, error))
        << "refused: " << std::string(line.begin(), line.end()) << " -> "
        << std::string(error.reason.begin(), error.reason.end());
    return request;
}

TEST(FrameArguments, DefaultsAreTheFormationScreenAsTheProgramOpensIt) {
    const FrameRequest request = Accept(L"formation");
    EXPECT_EQ(request.screen, ScreenFormation);
    EXPECT_FALSE(request.range);
    EXPECT_EQ(ListRequestedFrames(request), std::vector<int>{0});
    EXPECT_EQ(request.scale, 1);
    EXPECT_EQ(request.width, 1366);
    EXPECT_EQ(request.height, 768);
    EXPECT_EQ(request.language, L"en");
    EXPECT_EQ(request.nonlinearity, 0.3);
    EXPECT_EQ(request.viscosity, 0.002);
    EXPECT_TRUE(request.out.empty());
    EXPECT_FALSE(request.help);
    EXPECT_FALSE(request.projector || request.caption);
}

TEST(FrameArguments, ReadsEveryOptionOfASingleFrame) {
    const FrameRequest request = Accept(
        L"formation --frame 400 --scale 10 --size 1920x1080 --language ru --b 0.12 --v 0.0005 "
        L"--out frame.png --projector --caption");
    EXPECT_EQ(ListRequestedFrames(request), std::vector<int>{400});
    EXPECT_TRUE(request.projector && request.caption);
    EXPECT_EQ(request.scale, 10);
    EXPECT_EQ(request.width, 1920);
    EXPECT_EQ(request.height, 1080);
    EXPECT_EQ(request.language, L"ru");
    EXPECT_EQ(request.nonlinearity, 0.12);
    EXPECT_EQ(request.viscosity, 0.0005);
    EXPECT_EQ(request.out, L"frame.png");

    // Other spellings of the same request; options may precede the screen.
    const FrameRequest other =
        Accept(L"--frame=400 --scale=x10 --size 1920X1080 --language=ru formation --b .12 --v 5e-4");
    EXPECT_EQ(ListRequestedFrames(other), std::vector<int>{400});
    EXPECT_EQ(other.scale, 10);
    EXPECT_EQ(other.width, 1920);
    EXPECT_EQ(other.height, 1080);
    EXPECT_EQ(other.nonlinearity, 0.12);
    EXPECT_EQ(other.viscosity, 0.0005);
}

TEST(FrameArguments, AcceptsTheLimitsOfFramesSizesAndTables) {
    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frame 1996")), std::vector<int>{1996});
    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frame 0")), std::vector<int>{0});
    const FrameRequest smallest = Accept(L"formation --size 320x240");
    EXPECT_EQ(smallest.width, 320);
    EXPECT_EQ(smallest.height, 240);
    const FrameRequest largest = Accept(L"formation --size 7680x4320");
    EXPECT_EQ(largest.width, 7680);
    EXPECT_EQ(largest.height, 4320);
    EXPECT_EQ(Accept(L"formation --b 0").nonlinearity, 0.0);
    EXPECT_EQ(Accept(L"formation --b 0.4").nonlinearity, 0.4);
    EXPECT_EQ(Accept(L"formation --v 0.004").viscosity, 0.004);
    EXPECT_EQ(Accept(L"formation --scale 5").scale, 5);
}

TEST(FrameArguments, RangesListEveryStepFromFirstToLast) {
    const FrameRequest video = Accept(L"formation --frames 0:1996:4 --out frames");
    EXPECT_TRUE(video.range);
    const std::vector<int> frames = ListRequestedFrames(video);
    ASSERT_EQ(frames.size(), 500u);
    EXPECT_EQ(frames.front(), 0);
    EXPECT_EQ(frames[1], 4);
    EXPECT_EQ(frames.back(), 1996);

    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frames 0:8")), (std::vector<int>{0, 4, 8}));
    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frames 4:20:8")),
              (std::vector<int>{4, 12, 20}));
    // The last frame is included only when the step lands on it.
    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frames 0:12:8")), (std::vector<int>{0, 8}));
    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frames 400:400")), std::vector<int>{400});
    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frames all")).size(), 500u);
    // Elsewhere on the slider a range keeps the program's clock; --frame
    // stays a column.
    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frames 0:1996:996 --v 0.0005")),
              (std::vector<int>{0, 354, 707}));
    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frames all --v 0.004")).back(), 1993);
    EXPECT_EQ(ListRequestedFrames(Accept(L"formation --frame 400 --v 0.004")), std::vector<int>{400});
    // A .gif takes the whole range; only the name tells.
    EXPECT_FALSE(video.gif);
    EXPECT_TRUE(Accept(L"formation --frames all --out run.GIF").gif);
}

TEST(FrameArguments, OtherScreensPaintOnePictureEach) {
    const struct {
        const wchar_t* line;
        int screen;
        const wchar_t* file;
    } kScreens[] = {{L"propagation", ScreenPropagation, L"propagation.png"},
                    {L"title --language ru", ScreenTitle, L"title.png"},
                    {L"theory --size 640x480", ScreenTheory, L"theory.png"},
                    {L"authors", ScreenAuthors, L"authors.png"}};
    for (const auto& entry : kScreens) {
        const FrameRequest request = Accept(entry.line);
        EXPECT_EQ(request.screen, entry.screen);
        EXPECT_EQ(ListRequestedFrames(request), std::vector<int>{0});
        EXPECT_EQ(ComposeFrameFileName(request.screen, 0), entry.file);
    }
    // As in the program, the projector mode leaves a picture as it is.
    EXPECT_TRUE(Accept(L"title --projector").projector);
    EXPECT_EQ(ComposeFrameFileName(ScreenFormation, 0), L"formation-0000.png");
    EXPECT_EQ(ComposeFrameFileName(ScreenFormation, 1996), L"formation-1996.png");
}

TEST(FrameArguments, HelpNeedsNoScreen) {
    EXPECT_TRUE(Accept(L"--help").help);
    EXPECT_TRUE(Accept(L"formation --frame 4 -h").help);
}

struct Refusal {
    const wchar_t* line;
    const wchar_t* argument;
    const wchar_t* reasonPart;
};

TEST(FrameArguments, RefusesBadArgumentsNamingEach) {
    const Refusal kRefusals[] = {
        {L"", L"screen", L"missing"},
        {L"--size 640x480", L"screen", L"missing"},
        {L"bogus", L"bogus", L"unknown screen"},
        {L"Formation", L"Formation", L"unknown screen"},
        {L"formation propagation", L"propagation", L"one screen"},
        {L"formation --frame 401", L"--frame", L"multiple of 4"},
        {L"formation --frame 2", L"--frame", L"multiple of 4"},
        {L"formation --frame 2000", L"--frame", L"outside 0..1996"},
        {L"formation --frame -4", L"--frame", L"not a frame number"},
        {L"formation --frame 4.0", L"--frame", L"not a frame number"},
        {L"formation --frame 99999999999", L"--frame", L"not a frame number"},
        {L"formation --frame", L"--frame", L"needs a value"},
        {L"formation --frames 8:0", L"--frames", L"comes after"},
        {L"formation --frames 0:2000", L"--frames", L"outside 0..1996"},
        {L"formation --v 0.004 --frames 1200:1996", L"--frames", L"ends at its frame 1068"},
        {L"formation --frames 1:9", L"--frames", L"multiple of 4"},
        {L"formation --frames 0:8:6", L"--frames", L"step"},
        {L"formation --frames 0:8:0", L"--frames", L"step"},
        {L"formation --frames 0", L"--frames", L"not a range"},
        {L"formation --frames 0:4:4:4", L"--frames", L"not a range"},
        {L"formation --frame 4 --frames 0:8", L"--frames", L"combined"},
        {L"formation --scale 2", L"--scale", L"1, 5 or 10"},
        {L"formation --scale x", L"--scale", L"1, 5 or 10"},
        {L"formation --scale 010", L"--scale", L"1, 5 or 10"},
        {L"formation --size 319x240", L"--size", L"outside 320x240 to 7680x4320"},
        {L"formation --size 320x239", L"--size", L"outside"},
        {L"formation --size 7681x4320", L"--size", L"outside"},
        {L"formation --size 7680x4321", L"--size", L"outside"},
        {L"formation --size 1920", L"--size", L"not a size"},
        {L"formation --size x1080", L"--size", L"not a size"},
        {L"formation --size 1920x", L"--size", L"not a size"},
        {L"formation --size 19a0x1080", L"--size", L"not a size"},
        {L"formation --size 1920x1080x2", L"--size", L"not a size"},
        {L"formation --size 99999999999x1080", L"--size", L"not a size"},
        {L"formation --language de", L"--language", L"en or ru"},
        {L"formation --language EN", L"--language", L"en or ru"},
        {L"formation --b 0.31", L"--b", L"slider value"},
        {L"formation --b 0.3x", L"--b", L"slider value"},
        {L"formation --b abc", L"--b", L"slider value"},
        {L"formation --b 0.5", L"--b", L"slider value"},
        // The label shows 100 V; the option takes V itself.
        {L"formation --v 0.2", L"--v", L"slider value"},
        {L"formation --v nan", L"--v", L"slider value"},
        {L"formation --out=", L"--out", L"names no file"},
        {L"formation --out con.png", L"--out", L"device of Windows"},
        {L"formation --out C:\\slides\\Nul.PNG", L"--out", L"device"},
        {L"title --out lpt1.x/aux.gif", L"--out", L"device"},
        {L"formation --frames 0:8 --out com9", L"--out", L"device"},
        {L"formation --frames 0:8 --out a.png", L"--out", L"a folder for the PNG files or a .gif"},
        {L"formation --out a.PNG --frames all", L"--out", L"one PNG file"},
        {L"formation --colour red", L"--colour", L"unknown option"},
        {L"formation --size 800x600 --size 640x480", L"--size", L"given twice"},
        {L"propagation --scale 10", L"--scale", L"formation screen only"},
        {L"title --frames 0:8", L"--frames", L"formation screen only"},
        {L"authors --frame 4", L"--frame", L"formation screen only"},
        {L"theory --b 0.3", L"--b", L"formation screen only"},
        {L"formation --caption=yes", L"--caption", L"takes no value"},
        {L"formation --projector --projector", L"--projector", L"given twice"},
        {L"authors --caption", L"--caption", L"formation and propagation screens only"},
    };
    for (const Refusal& refusal : kRefusals) {
        const std::string line(refusal.line, refusal.line + std::wcslen(refusal.line));
        FrameRequest request;
        ArgumentError error;
        EXPECT_FALSE(ParseFrameArguments(Words(refusal.line), request, error)) << line;
        EXPECT_EQ(error.argument, refusal.argument) << line;
        EXPECT_NE(error.reason.find(refusal.reasonPart), std::wstring::npos)
            << line << " -> " << std::string(error.reason.begin(), error.reason.end());
        // The printed line starts with the argument at fault.
        EXPECT_EQ(FormatArgumentError(error).rfind(std::wstring(refusal.argument) + L": ", 0), 0u)
            << line;
    }
    // An empty word, as an unset variable of a script gives.
    FrameRequest request;
    ArgumentError error;
    EXPECT_FALSE(ParseFrameArguments({L""}, request, error));
    EXPECT_EQ(FormatArgumentError(error).rfind(L"screen: empty name; choose ", 0), 0u);
    // A name that only begins like a device is a file.
    EXPECT_EQ(Accept(L"formation --out com10.png").out, L"com10.png");
}

TEST(FrameArguments, SliderRefusalListsTheValuesOfTheTable) {
    FrameRequest request;
    ArgumentError error;
    ASSERT_FALSE(ParseFrameArguments(Words(L"formation --v 0.0041"), request, error));
    EXPECT_NE(error.reason.find(L"0.0005 0.001 0.0011"), std::wstring::npos);
    EXPECT_NE(error.reason.find(L"0.0039 0.004"), std::wstring::npos);
}

}  // namespace
