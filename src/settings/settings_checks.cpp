#include "settings/settings_checks.h"

#include <algorithm>
#include <cmath>

namespace sg {
namespace {

constexpr std::int32_t kMaxHistoryDaysToKeep = 9999;
constexpr std::int32_t kDefaultHistoryDaysToKeep = 7;
constexpr std::int16_t kMaxRefreshInterval = 10080; // one week in minutes
constexpr float kDefaultColumnWidth = 6000;
constexpr float kDefaultFontSize = 8;

void finiteOr(float& value, float replacement)
{
    if (!std::isfinite(value))
        value = replacement;
}

void atLeast(float& value, float minimum)
{
    if (!std::isfinite(value) || value < minimum)
        value = minimum;
}

template <std::size_t N> void finiteOr(std::array<float, N>& values, float replacement)
{
    for (float& v : values)
        finiteOr(v, replacement);
}

void outsideToZero(std::int16_t& value, std::int16_t max)
{
    if (value < 0 || value > max)
        value = 0;
}

// A text field whose first character is NUL was never written.
void neverWrittenToEmpty(std::string& text)
{
    if (!text.empty() && text.front() == '\0')
        text.clear();
}

void defaultWhenEmpty(std::string& text, std::string_view fallback)
{
    neverWrittenToEmpty(text);
    if (text.empty())
        text = fallback;
}

void mendNonFiniteNumbers(Settings& s)
{
    finiteOr(s.WindowLeft, 0);
    finiteOr(s.WindowTop, 0);
    finiteOr(s.HistoryLeft, 0);
    finiteOr(s.HistoryTop, 0);
    finiteOr(s.WindowWidth, kMinWindowWidth);
    finiteOr(s.WindowHeight, kMinWindowHeight);
    finiteOr(s.EditorWidth, kMinEditorWidth);
    finiteOr(s.EditorHeight, kMinEditorHeight);
    finiteOr(s.HistoryWidth, 0);
    finiteOr(s.HistoryHeight, 0);
    finiteOr(s.EditorColumnWidths, 0);
    finiteOr(s.HistoryColumnWidths, 0);
    finiteOr(s.ColumnWidths, kDefaultColumnWidth);
    finiteOr(s.FontSize, kDefaultFontSize);
}

} // namespace

void applyLoadChecks(Settings& s, std::int32_t panelBackColor)
{
    mendNonFiniteNumbers(s);
    // A never-written start page or font name would otherwise be taken as a real value.
    neverWrittenToEmpty(s.StartPage);
    neverWrittenToEmpty(s.FontName);

    for (float& width : s.ColumnWidths) {
        if (width == 0)
            width = kDefaultColumnWidth;
    }
    outsideToZero(s.CycleButton2State, 2);
    outsideToZero(s.CycleButton1State, 2);
    outsideToZero(s.TimerControlsSwapped, 1);
    outsideToZero(s.CheckBoxesShown, 1);
    s.PanelBackColor = panelBackColor;
    defaultWhenEmpty(s.MessengerPath, kDefaultMessengerPath);
    defaultWhenEmpty(s.MailAppPath, kDefaultMailAppPath);
    defaultWhenEmpty(s.MessengerCaption, kDefaultMessengerCaption);
    defaultWhenEmpty(s.MailAppCaption, kDefaultMailAppCaption);
    outsideToZero(s.StoreDuplicateUrls, 1);
    if (s.HistoryDaysToKeep > kMaxHistoryDaysToKeep || s.HistoryDaysToKeep < 0)
        s.HistoryDaysToKeep = kDefaultHistoryDaysToKeep;
    if (s.StatusBarHidden > 1)
        s.StatusBarHidden = 0;
    if (s.NewWindowStaysChecked > 1)
        s.NewWindowStaysChecked = 0;
    s.RefreshInterval = std::clamp<std::int16_t>(s.RefreshInterval, 1, kMaxRefreshInterval);
    s.ScriptErrorsSilenced = 0;
    if (s.EditorBackupEnabled > 1)
        s.EditorBackupEnabled = 0;
}

void checkWindowGeometry(Settings& s, double screenWidthTwips, double screenHeightTwips)
{
    if (!std::isfinite(s.WindowLeft) || s.WindowLeft < 0)
        s.WindowLeft = 0;
    if (!std::isfinite(s.WindowTop) || s.WindowTop < 0)
        s.WindowTop = 0;
    if (s.WindowLeft > screenWidthTwips - 3000)
        s.WindowLeft = 0;
    if (s.WindowTop > screenHeightTwips - 1500)
        s.WindowTop = 0;
    atLeast(s.WindowWidth, kMinWindowWidth);
    atLeast(s.WindowHeight, kMinWindowHeight);
    atLeast(s.EditorWidth, kMinEditorWidth);
    atLeast(s.EditorHeight, kMinEditorHeight);
}

void chooseDisplayFont(Settings& s, const std::vector<std::string>& installedFonts)
{
    if (installedFonts.empty())
        return;
    const auto installed = [&](std::string_view name) {
        return std::find(installedFonts.begin(), installedFonts.end(), name)
            != installedFonts.end();
    };
    if (installed(s.FontName)) {
        if (!std::isfinite(s.FontSize) || s.FontSize < 2)
            s.FontSize = kDefaultFontSize;
        return;
    }
    static constexpr struct {
        std::string_view name;
        float size;
    } kFallbacks[] = { { "Verdana", 8 }, { "Arial", 9 }, { "MS Sans Serif", 8 } };
    s.FontName = installedFonts.front();
    s.FontSize = kDefaultFontSize;
    for (const auto& fallback : kFallbacks) {
        if (installed(fallback.name)) {
            s.FontName = fallback.name;
            s.FontSize = fallback.size;
            break;
        }
    }
    s.FontBold = false;
}

} // namespace sg
