// A push button. A glyph button shows a 32 x 32 icon above its caption.
#pragma once

#include <string>
#include <utility>

#include "platform/types.h"
#include "ui/control.h"

namespace vm {

class Button : public Control {
public:
    Button(std::string name, CaptionText caption)
        : Control(std::move(name)), caption_(std::move(caption)) {}

    std::string Caption() const { return window_ != 0 ? WindowText() : caption_.ansi; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    void Click() {
        if (Enabled() && OnClick)
            OnClick();
    }
    void Notify(std::uint32_t code) override {
        if (code == bn::CLICKED && OnClick)
            OnClick();
    }
    // The icon shown on the button; the caller keeps it alive while it is
    // shown and gets back the one shown before.
    HIcon SetGlyph(HIcon icon) {
        if (window_ == 0)
            return std::exchange(glyph_, icon);
        return static_cast<HIcon>(
            Send(bm::SETIMAGE, image::ICON, static_cast<std::intptr_t>(icon.Value())));
    }

    Handler OnClick;

protected:
    const char* ClassName() const override { return control_class::BUTTON; }
    std::uint32_t KindStyle() const override { return bs::PUSHBUTTON | ws::TABSTOP; }
    std::string InitialText() const override { return caption_.ansi; }
    std::u16string InitialWideText() const override { return caption_.wide; }
    void HandOver() override {
        if (glyph_ != 0)
            Send(bm::SETIMAGE, image::ICON,
                 static_cast<std::intptr_t>(std::exchange(glyph_, HIcon{}).Value()));
    }

private:
    CaptionText caption_;
    int tag_ = 0;
    HIcon glyph_ = 0;
};

} // namespace vm
