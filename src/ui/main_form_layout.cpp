#include "ui/main_form_layout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "encoding/sjis_literals.h"
#include "ui/dpi_scale.h"
#include "window_info/window_helpers.h"

namespace vm {

namespace {

constexpr char kUiGothic[] = "MS UI Gothic";
// The message font of Windows 2000 and XP, should the system not name one.
constexpr char kFallbackMessageFace[] = "Tahoma";
constexpr int kControlFont = 13;
// Control IDs from here on; OK and Cancel carry the IDs Enter and Esc send.
constexpr int kFirstControlId = 1000;
constexpr std::uint32_t kTrackBarFixedLength = 0x40; // TBS_FIXEDLENGTH
// The name labels share the ID of static texts that nothing addresses.
constexpr int kNameLabelId = 0xFFFF;

struct Origin {
    int x;
    int y;
    constexpr Origin operator+(Origin o) const { return {x + o.x, y + o.y}; }
};

// The areas, in the client coordinates of the window: the body below the
// title strip and the boxes and panel inside it.
constexpr Origin kBody{0, 23};
constexpr Origin kGroup1 = Origin{10, 10} + kBody;
constexpr Origin kGroup2 = Origin{335, 10} + kBody;
constexpr Origin kGroup3 = Origin{10, 195} + kBody;
constexpr Origin kGroup6 = Origin{2, 123} + kGroup3;
constexpr Origin kGroup4 = Origin{460, 10} + kBody;
constexpr Origin kGroup5 = Origin{460, 285} + kBody;
constexpr Origin kPanel1 = Origin{1, 360} + kBody;

// A row of the design table: the place is relative to the area.
struct DesignRow {
    Control* control;
    Origin area;
    ControlPlacement place;
    int fontHeight = kControlFont;
    bool bold = false;
    const char* face = kUiGothic;
    int id = 0; // 0: the next free one
};

// Every edge scaled on its own, so the sizes follow from the edges.
ControlPlacement Scaled(const ControlPlacement& place, std::uint32_t dpi) {
    ControlPlacement scaled = place;
    scaled.x = ScaleToDpi(place.x, dpi);
    scaled.y = ScaleToDpi(place.y, dpi);
    scaled.width = ScaleToDpi(place.x + place.width, dpi) - scaled.x;
    scaled.height = ScaleToDpi(place.y + place.height, dpi) - scaled.y;
    return scaled;
}

std::vector<DesignRow> DesignTable(MainFormControls& c) {
    constexpr Origin kForm{0, 0};
    const std::uint32_t edge = ws_ex::CLIENTEDGE;
    const std::uint32_t numeric = es::READONLY;
    const std::uint32_t glyph = bs::TOP | bs::MULTILINE;
    std::vector<DesignRow> items{
        {&c.TextCap, kForm, {0, 0, 632, 23, ss::CENTER | ss::CENTERIMAGE | ss::SUNKEN}, 19, true},

        {&c.GroupBox1, kGroup1, {0, 0, 315, 180, ws::GROUP}, kControlFont, true},
        {&c.ListBoxDisable, kGroup1, {10, 20, 280, 55, ws::GROUP, edge}},
        {&c.BtnAdd, kGroup1, {15, 86, 70, 25}},
        {&c.BtnLog, kGroup1, {90, 86, 70, 25}},
        {&c.BtnDel, kGroup1, {170, 86, 70, 25}},
        {&c.ListBoxLog, kGroup1, {10, 115, 280, 55, 0, edge}},

        {&c.GroupBox2, kGroup2, {0, 0, 115, 180, ws::GROUP}, kControlFont, true},
        {&c.Slider,
         kGroup2,
         {10, 20, 40, 155,
          ws::GROUP | tbs::VERT | tbs::BOTH | tbs::AUTOTICKS | kTrackBarFixedLength}},
        {&c.LblBottom, kGroup2, {75, 70, 30, 27, ss::RIGHT}, 27, true},
        {&c.LblPosition, kGroup2, {70, 105, 35, 16, ss::RIGHT}, 19, true},

        {&c.GroupBox3, kGroup3, {0, 0, 440, 160, ws::GROUP}, kControlFont, true},
        {&c.CHKCap, kGroup3, {10, 20, 290, 17, ws::GROUP}},
        {&c.TxtCap, kGroup3, {10, 40, 416, 21, 0, edge}},
        {&c.CHKWav, kGroup3, {10, 70, 290, 17}},
        {&c.TxtWav, kGroup3, {10, 90, 335, 21, 0, edge}},
        {&c.BtnWav, kGroup3, {355, 88, 75, 25}},
        {&c.GroupBox6, kGroup3, {2, 123, 436, 35}},
        {&c.CHKTrans, kGroup6, {10, 11, 18, 17}},
        // One line up to the numeric field; never a hidden second line.
        {&c.LabelTans, kGroup6, {30, 12, 142, 15, ss::LEFTNOWORDWRAP}},
        {&c.TXTTrans, kGroup6, {172, 10, 35, 21, numeric, edge}},
        {&c.UDTrans, kGroup6, {207, 10, 30, 21}},
        {&c.LabelTarnsPer, kGroup6, {240, 10, 22, 21}, 19},
        {&c.CHKStartMenu, kGroup6, {290, 11, 120, 17}},

        {&c.GroupBox4, kGroup4, {0, 0, 160, 265, ws::GROUP}, kControlFont, true},
        {&c.Label1, kGroup4, {15, 25, 78, 16}, 15},
        {&c.Label2, kGroup4, {95, 25, 60, 16}, 15},
        {&c.BtnDefult[0], kGroup4, {15, 50, 60, 60, ws::GROUP | glyph}},
        {&c.BtnCustom[0], kGroup4, {85, 50, 60, 60, glyph}},
        {&c.BtnDefult[1], kGroup4, {15, 120, 60, 60, glyph}},
        {&c.BtnCustom[1], kGroup4, {85, 120, 60, 60, glyph}},
        {&c.BtnDefult[2], kGroup4, {15, 190, 60, 60, glyph}},
        {&c.BtnCustom[2], kGroup4, {85, 190, 60, 60, glyph}},

        {&c.GroupBox5, kGroup5, {0, 0, 160, 70, ws::GROUP}, kControlFont, true},
        {&c.TXTWait, kGroup5, {20, 30, 30, 21, ws::GROUP | numeric, edge}},
        {&c.UDWait, kGroup5, {50, 30, 30, 21}},
        {&c.LabelWait, kGroup5, {85, 33, 30, 20}, 16},

        {&c.CHKTray,
         kPanel1,
         {15, 10, 210, 17, ws::GROUP},
         kControlFont,
         false,
         sjis::kFontPGothic},
        {&c.BtnRMenu, kPanel1, {15, 40, 185, 30}, 12},
        {&c.BtnStartUp, kPanel1, {230, 10, 215, 30}},
        {&c.BtnQuickLaunch, kPanel1, {230, 45, 215, 30}},
        {&c.BtnOK,
         kPanel1,
         {460, 30, 75, 30, bs::DEFPUSHBUTTON},
         kControlFont,
         false,
         kUiGothic,
         id_::OK},
        {&c.BtnCancel, kPanel1, {545, 30, 75, 30}, kControlFont, false, kUiGothic, id_::CANCEL},
    };
    return items;
}

constexpr int kThumbLength = 30;

// The names screen readers read for controls whose own text names nothing
// or names two controls alike. Each goes into a static label of no size
// placed just before its control: a screen reader names a field, a list or
// a slider by the label before it, from Windows 2000 on, and nobody sees a
// label of no size (it stays visible, as some readers pass over hidden
// labels). A button is named by its own text, so each control also answers
// the accessibility interfaces with its name.
std::vector<std::pair<const Control*, TextId>> AccessibleNames(const MainFormControls& c) {
    return {
        {&c.ListBoxDisable, TextId::AccIgnoreList}, {&c.BtnAdd, TextId::AccBrowseExe},
        {&c.ListBoxLog, TextId::AccLogList},        {&c.Slider, TextId::AccSlider},
        {&c.TxtCap, TextId::AccTitleField},         {&c.TxtWav, TextId::AccSoundField},
        {&c.BtnWav, TextId::AccBrowseSound},        {&c.CHKTrans, TextId::AccTransCheck},
        {&c.TXTTrans, TextId::AccTransField},       {&c.UDTrans, TextId::AccTransSpin},
        {&c.BtnDefult[0], TextId::AccDefault0},     {&c.BtnCustom[0], TextId::AccCurrent0},
        {&c.BtnDefult[1], TextId::AccDefault1},     {&c.BtnCustom[1], TextId::AccCurrent1},
        {&c.BtnDefult[2], TextId::AccDefault2},     {&c.BtnCustom[2], TextId::AccCurrent2},
        {&c.TXTWait, TextId::AccWaitField},         {&c.UDWait, TextId::AccWaitSpin},
    };
}

} // namespace

Hwnd MainFormLayout::NameLabel(Hwnd form, TextId name) {
    const Hwnd label = win_.CreateControl({.className = control_class::STATIC,
                                           .style = ws::CHILD | ws::VISIBLE | ss::NOPREFIX,
                                           .parent = form,
                                           .id = kNameLabelId});
    if (label != 0)
        win_.SetWindowTextW(label, Text(language_, name).wide);
    return label;
}

LogFontA MainFormLayout::FontFor(const char* face, int height, bool bold) const {
    LogFontA lf;
    lf.lfWeight = bold ? fw::BOLD : fw::NORMAL;
    if (language_ == Language::Japanese) {
        lf.lfHeight = -height;
        lf.lfCharSet = kShiftJisCharset;
        std::strncpy(lf.lfFaceName, face, sizeof lf.lfFaceName - 1);
        return lf;
    }
    lf.lfHeight = -(height == kControlFont && messageHeight_ > 0 ? messageHeight_ : height);
    lf.lfCharSet = messageFont_.lfCharSet;
    std::memcpy(lf.lfFaceName, messageFont_.lfFaceName, sizeof lf.lfFaceName);
    return lf;
}

HFont MainFormLayout::Font(Fonts& fonts, const Item& item, std::uint32_t dpi) {
    LogFontA lf = FontFor(item.face, item.fontHeight, item.bold);
    const int height = ScaleToDpi(std::abs(lf.lfHeight), dpi);
    const auto key = std::make_tuple(std::string(item.face), height, item.bold);
    const auto found = fonts.find(key);
    if (found != fonts.end())
        return found->second.Get();
    lf.lfHeight = -height;
    Unique<HFont> font = Own(win_, win_.CreateFontIndirectA(lf));
    const HFont made = font.Get();
    if (font)
        fonts.emplace(key, std::move(font));
    return made;
}

bool MainFormLayout::Create(Hwnd form, MainFormControls& c, ControlRouter& router,
                            std::uint32_t dpi) {
    if (language_ == Language::English) {
        // The message font at the window's DPI where the system can say;
        // else at the system DPI, which is all an older system knows.
        NonClientMetrics metrics;
        if (win_.GetNonClientMetricsForDpi(metrics, dpi)) {
            messageFont_ = metrics.lfMessageFont;
            messageHeight_ = UnscaleFromDpi(std::abs(messageFont_.lfHeight), dpi);
        } else if (win_.GetNonClientMetricsA(metrics)) {
            messageFont_ = metrics.lfMessageFont;
            messageHeight_ =
                UnscaleFromDpi(std::abs(messageFont_.lfHeight), win_.GetDpiForSystem());
        } else {
            std::strncpy(messageFont_.lfFaceName, kFallbackMessageFace,
                         sizeof messageFont_.lfFaceName - 1);
        }
    }
    items_.clear();
    slider_ = &c.Slider;
    int nextId = kFirstControlId;
    const auto names = AccessibleNames(c);
    for (const DesignRow& row : DesignTable(c)) {
        const auto named = std::find_if(names.begin(), names.end(), [&](const auto& name) {
            return name.first == row.control;
        });
        if (named != names.end())
            NameLabel(form, named->second);
        ControlPlacement place = row.place;
        place.x += row.area.x;
        place.y += row.area.y;
        const int id = row.id != 0 ? row.id : nextId++;
        const Item& item =
            items_.emplace_back(Item{row.control, place, row.fontHeight, row.bold, row.face, id});
        if (!router.Create(*item.control, win_, form, id, Scaled(place, dpi)))
            return false;
        // Screen readers that ask the control itself get the same name.
        if (named != names.end())
            win_.SetAccessibleName(item.control->Window(), Text(language_, named->second).wide);
        win_.SendMessageA(item.control->Window(), wm::SETFONT, Font(fonts_, item, dpi).Value(), 0);
    }
    // The lists scroll sideways over their widest line in their own font.
    for (ListBox* list : {&c.ListBoxDisable, &c.ListBoxLog}) {
        list->TextWidth = [&win = win_, list](const std::string& text) {
            return TextWidthInWindowFont(win, list->Window(), text);
        };
    }
    // The slider: a thumb 30 pixels long at 96 DPI and a tick every 4 positions.
    SetThumbLength(dpi);
    win_.SendMessageA(c.Slider.Window(), tbm::SETTICFREQ, 4, 0);
    return true;
}

void MainFormLayout::Rescale(std::uint32_t dpi) {
    // The old fonts go once no control uses them any more.
    Fonts old;
    old.swap(fonts_);
    for (const Item& item : items_) {
        const ControlPlacement place = Scaled(item.place, dpi);
        win_.MoveWindow(item.control->Window(), place.x, place.y, place.width, place.height, true);
        win_.SendMessageA(item.control->Window(), wm::SETFONT, Font(fonts_, item, dpi).Value(), 1);
    }
    SetThumbLength(dpi);
}

void MainFormLayout::SetThumbLength(std::uint32_t dpi) {
    if (slider_ != nullptr && slider_->Window() != 0)
        win_.SendMessageA(slider_->Window(), tbm::SETTHUMBLENGTH, ScaleToDpi(kThumbLength, dpi), 0);
}

} // namespace vm
