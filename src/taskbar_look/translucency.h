// Translucency of the taskbar and, optionally, the start menus: the
// percentage of the spinner becomes a constant alpha on each target, kept up
// by every tick and re-established by every event that could disturb it.
// Translucency is on while the label LabelTans is enabled.
#pragma once

#include <cstdint>

#include "program/program_context.h"
#include "taskbar_look/trans.h"
#include "ui/main_form_controls.h"
#include "watcher/taskbar_info.h"

namespace vm {

class Translucency {
public:
    Translucency(ProgramContext& context, MainFormControls& controls, const TaskbarInfo& taskbar)
        : context_(context), controls_(controls), taskbar_(taskbar), trans_(context.platform) {}

    // Forced, every target gets the percentage; unforced (the ticks), the
    // taskbar only ever loses its translucency and a start menu gains it only
    // while it is not layered yet.
    void ApplyTranslucency(std::int16_t percent, bool force);
    bool TranslucencyOn() const { return controls_.LabelTans.Enabled(); }
    // The spinner's percentage.
    std::int16_t Percent() const { return static_cast<std::int16_t>(controls_.UDTrans.Position()); }

    void CHKTransClick();
    void UDTransClick();
    void CHKStartMenuClick();

private:
    // Watching is on and the taskbar is at the top.
    bool Watching() const;
    bool IsLayered(Hwnd window);
    void ApplyToStartMenu(const char* className, const char* childClassName, std::int16_t percent,
                          bool force);
    // Asks a start menu to give up its layered style until it has, within a
    // bound, as one may take it again at once.
    void MakeOpaque(Hwnd startMenu);

    ProgramContext& context_;
    MainFormControls& controls_;
    const TaskbarInfo& taskbar_;
    Trans trans_;
};

} // namespace vm
