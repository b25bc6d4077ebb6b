// Window layouts as tables. A window describes its controls as rows (class
// and field, name, parent, bounds, texts, colours, font, anchors, visibility,
// tab order, handlers) and one builder places them. When every row of the
// window is placed, the builder calls Loaded() on each of the window's
// components once, so that rules which depend on the finished set-up (the
// flat edit's height, the tab strip's layout) run then and not in between.
#pragma once

#include "framework/Exceptions.h"
#include "framework/Forms.h"

#include <initializer_list>
#include <string>
#include <vector>

// Optional font settings of a row; zero and clNone leave the parent's font.
struct TLayoutFont {
    int size = 0;
    TFontStyles style = 0;
    TColor color = clNone;
    const char* name = nullptr;
};

enum TLayoutFlag : unsigned {
    lfHidden = 1,     // created invisible
    lfDisabled = 2,   // created disabled
    lfNoHint = 4,     // a hint text that is only stored, never shown
    lfTabStop = 8,    // takes the focus with Tab
};

template <class Form>
struct TLayoutRow {
    using Notify = void (Form::*)(TObject*);
    using Mouse = void (Form::*)(TObject*, TMouseButton, TShiftState, int, int);

    TControl* (*create)(Form& form);
    const char* name;
    const char* parent;   // name of a control of the form; nullptr: the form
    int left, top, width, height;
    const char* caption = nullptr;
    const char* hint = nullptr;
    TColor color = clNone;
    TLayoutFont font = {};
    TAlign align = alNone;
    TAnchors anchors = akLeft | akTop;
    unsigned flags = 0;
    int tabOrder = -1;
    // Class-specific looks shared by several rows (flat colours, glyphs).
    void (*style)(TControl& control) = nullptr;
    Notify onClick = nullptr;
    Mouse onMouseDown = nullptr;
    // Text or selection change of an edit or combo box.
    Notify onChange = nullptr;
};

namespace layout_detail {
template <class T>
struct MemberOf;
template <class F, class C>
struct MemberOf<C* F::*> {
    using Form = F;
    using Control = C;
};
} // namespace layout_detail

// Creates the control of a field (its class is the field's) and stores it there.
template <auto Field>
TControl* Ctl(typename layout_detail::MemberOf<decltype(Field)>::Form& form)
{
    using Control = typename layout_detail::MemberOf<decltype(Field)>::Control;
    auto* control = new Control(&form);
    form.*Field = control;
    return control;
}

// Creates a control that the window does not keep a field for.
template <class Control, class Form>
TControl* New(Form& form)
{
    return new Control(&form);
}

// The part of building that does not depend on the window's class.
class TLayoutBuilderBase {
public:
    explicit TLayoutBuilderBase(TCustomForm& form);
    ~TLayoutBuilderBase();
    TLayoutBuilderBase(const TLayoutBuilderBase&) = delete;
    TLayoutBuilderBase& operator=(const TLayoutBuilderBase&) = delete;

    // Ends the loading phase: Loaded() on every component of the window, once.
    void Finish();

protected:
    struct Common {
        const char* name;
        const char* parent;
        int left, top, width, height;
        const char* caption;
        const char* hint;
        TColor color;
        TLayoutFont font;
        TAlign align;
        TAnchors anchors;
        unsigned flags;
        int tabOrder;
        void (*style)(TControl&);
    };
    void Place(TControl& control, const Common& row);
    // The edit or combo box change event of control, or nullptr.
    static TNotifyEvent* ChangeEventOf(TControl& control);

    TCustomForm& FForm;

private:
    bool FFinished = false;
};

template <class Form>
class TLayoutBuilder : public TLayoutBuilderBase {
public:
    explicit TLayoutBuilder(Form& form) : TLayoutBuilderBase(form), FOwner(form) {}

    template <size_t N>
    TLayoutBuilder& Add(const TLayoutRow<Form> (&rows)[N])
    {
        for (const TLayoutRow<Form>& row : rows)
            AddRow(row);
        return *this;
    }

    TControl& AddRow(const TLayoutRow<Form>& row)
    {
        TControl* control = row.create(FOwner);
        Place(*control, {row.name, row.parent, row.left, row.top, row.width, row.height, row.caption, row.hint,
                         row.color, row.font, row.align, row.anchors, row.flags, row.tabOrder, row.style});
        Wire(*control, row);
        return *control;
    }

private:
    void Wire(TControl& control, const TLayoutRow<Form>& row)
    {
        Form* form = &FOwner;
        if (auto handler = row.onClick)
            control.OnClick = [form, handler](TObject* s) { (form->*handler)(s); };
        if (auto handler = row.onMouseDown)
            control.OnMouseDown = [form, handler](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
                (form->*handler)(s, b, sh, x, y);
            };
        if (auto handler = row.onChange) {
            TNotifyEvent* event = ChangeEventOf(control);
            if (!event)
                throw Exception("Layout: " + std::string(row.name) + " hat kein Änderungsereignis");
            *event = [form, handler](TObject* s) { (form->*handler)(s); };
        }
    }

    Form& FOwner;
};
