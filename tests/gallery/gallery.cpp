// The control gallery: every flat control in its states on one form, so that
// the look can be checked by eye. Run with a file name, it saves the form as
// a 24-bit BMP after painting and exits; without one it stays open.
#include "controls/HTTPLabel.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatCheckListBoxUnit.h"
#include "controls/TFlatComboBoxUnit.h"
#include "controls/TFlatEditUnit.h"
#include "controls/TFlatGroupBoxUnit.h"
#include "controls/TFlatHintUnit.h"
#include "controls/TFlatListBoxUnit.h"
#include "controls/TFlatPanelUnit.h"
#include "controls/TFlatSpeedButtonUnit.h"
#include "controls/TFlatTabControlUnit.h"
#include "framework/Forms.h"
#include "framework/StdLabel.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

template <typename T>
T* Place(TWinControl* parent, int left, int top, int width, int height)
{
    auto* control = new T(parent->GetParentForm() ? static_cast<TComponent*>(parent->GetParentForm()) : parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

TLabel* Caption(TWinControl* parent, int left, int top, const char* text)
{
    auto* label = Place<TLabel>(parent, left, top, 200, 13);
    label->SetTransparent(true);
    label->SetCaption(text);
    label->Font().SetStyle(fsBold);
    return label;
}

// A 16 x 16 glyph: a red square on the bottom-left colour (transparent).
TBitmap SquareGlyph(int images)
{
    TBitmap glyph;
    glyph.SetSize(16 * images, 16);
    const COLORREF colours[] = {RGB(200, 30, 30), RGB(120, 120, 120), RGB(30, 120, 200), RGB(30, 160, 60)};
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16 * images; ++x) {
            const int inner = x % 16;
            const bool square = inner >= 3 && inner < 13 && y >= 3 && y < 13;
            glyph.SetPixel(x, y, square ? colours[x / 16] : RGB(255, 0, 255));
        }
    return glyph;
}

void Pump(int milliseconds)
{
    const DWORD until = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (GetTickCount() < until) {
        Application()->ProcessMessages();
        Sleep(10);
    }
}

bool SaveWindow(HWND wnd, const std::string& fileName)
{
    RECT r;
    GetClientRect(wnd, &r);
    const int w = r.right, h = r.bottom;
    WindowDC source(wnd);
    TMemoryDC copy(source.Get(), w, h);
    BitBlt(copy.Handle(), 0, 0, w, h, source.Get(), 0, 0, SRCCOPY);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (w * 3 + 3) & ~3;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * h);
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(copy.Handle(), OBJ_BITMAP));
    if (!GetDIBits(copy.Handle(), bitmap, 0, static_cast<UINT>(h), pixels.data(), &info, DIB_RGB_COLORS))
        return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(fileName.c_str(), "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof(BITMAPINFOHEADER), 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

void Press(TWinControl* control, int x, int y)
{
    SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

} // namespace

int main(int argc, char** argv)
{
    auto* form = new TForm(nullptr);
    Application()->SetMainForm(form);
    form->SetCaption("Zorvane - Steuerelemente");
    form->SetBorderStyle(bsSingle);
    form->SetClientSize(820, 560);
    form->SetPosition(poScreenCenter);
    new TFlatHint(form);

    // Buttons: up, default, disabled, glyph left, latched down in a group.
    Caption(form, 10, 8, "TFlatButton");
    const char* buttonTexts[] = {"Normal", "Standard", "Gesperrt", "Glyphe", "Gedrückt"};
    for (int i = 0; i < 5; ++i) {
        auto* b = Place<TFlatButton>(form, 10 + i * 95, 26, 88, 28);
        b->SetCaption(buttonTexts[i]);
        if (i == 1)
            b->SetDefault(true);
        if (i == 2)
            b->SetEnabled(false);
        if (i == 3) {
            b->SetGlyph(SquareGlyph(1));
            b->SetLayout(blGlyphLeft);
        }
        if (i == 4) {
            b->SetGroupIndex(1);
            b->SetDown(true);
        }
    }
    Caption(form, 500, 8, "TFlatSpeedButton");
    const char* speedTexts[] = {"Oben", "Unten", "Aus"};
    for (int i = 0; i < 3; ++i) {
        auto* b = Place<TFlatSpeedButton>(form, 500 + i * 105, 26, 98, 28);
        b->SetCaption(speedTexts[i]);
        b->SetGlyph(SquareGlyph(1));
        b->SetLayout(blGlyphLeft);
        b->SetColor(RGBColor(241, 241, 193));
        if (i == 1) {
            b->SetGroupIndex(2);
            b->SetDown(true);
        }
        if (i == 2)
            b->SetEnabled(false);
    }

    // Check boxes.
    Caption(form, 10, 66, "TFlatCheckBox");
    const char* checkTexts[] = {"Nicht markiert", "Markiert", "Gesperrt, markiert", "Box rechts"};
    for (int i = 0; i < 4; ++i) {
        auto* c = Place<TFlatCheckBox>(form, 10 + i * 150, 84, 140, 17);
        c->SetCaption(checkTexts[i]);
        c->SetChecked(i == 0 ? 0 : 1);
        if (i == 2)
            c->SetEnabled(false);
        if (i == 3)
            c->SetLayout(checkboxRight);
    }

    // Edits and combo boxes.
    Caption(form, 10, 112, "TFlatEdit / TFlatComboBox");
    auto* edit = Place<TFlatEdit>(form, 10, 130, 150, 19);
    edit->SetText("flach");
    auto* focused = Place<TFlatEdit>(form, 170, 130, 150, 19);
    focused->SetText("zweites Feld");
    auto* offEdit = Place<TFlatEdit>(form, 330, 130, 150, 19);
    offEdit->SetText("gesperrt");
    offEdit->SetEnabled(false);
    for (int i = 0; i < 2; ++i) {
        auto* combo = Place<TFlatComboBox>(form, 490 + i * 160, 130, 150, 21);
        combo->SetStyle(csDropDownList);
        combo->Items().Add("Haupt-Identität");
        combo->Items().Add("Familie");
        combo->SetItemIndex(0);
        combo->SetEnabled(i == 0);
    }

    // Containers.
    Caption(form, 10, 164, "TFlatPanel / TFlatGroupBox");
    auto* panel = Place<TFlatPanel>(form, 10, 182, 180, 40);
    panel->SetCaption("Panel");
    panel->SetColor(RGBColor(197, 210, 216));
    auto* title = Place<TFlatPanel>(form, 10, 228, 180, 20);
    title->SetCaption(" Titelleiste");
    title->SetAlignment(taLeftJustify);
    title->SetColor(RGBColor(0x3A, 0x6E, 0xA5));
    title->SetColorHighLight(clBlack);
    title->SetColorShadow(clBlack);
    title->Font().SetColor(clWhite);
    title->Font().SetStyle(fsBold);
    auto* full = Place<TFlatGroupBox>(form, 200, 182, 150, 66);
    full->SetCaption("Rahmen ganz");
    auto* top = Place<TFlatGroupBox>(form, 360, 182, 150, 66);
    top->SetCaption("Nur oben");
    top->SetBorder(brOnlyTopLine);
    auto* off = Place<TFlatGroupBox>(form, 520, 182, 150, 66);
    off->SetCaption("Gesperrt");
    off->SetEnabled(false);

    // Tab strip with a page content.
    Caption(form, 10, 262, "TFlatTabControl");
    auto* tabs = Place<TFlatTabControl>(form, 10, 280, 300, 130);
    tabs->SetTabs({"Allgemein", "Grafik && Sound", "Dialoge"});
    tabs->SetActiveTab(1);
    tabs->SetColor(RGBColor(241, 241, 193));
    auto* inner = Place<TFlatCheckBox>(tabs, 12, 30, 200, 17);
    inner->SetCaption("Kontrollkästchen im Reiter");
    auto* empty = Place<TFlatTabControl>(form, 320, 280, 150, 130);
    (void)empty;

    // Lists and links.
    Caption(form, 10, 424, "TFlatListBox / TFlatCheckListBox / THTTPLabel");
    auto* list = Place<TFlatListBox>(form, 10, 442, 180, 109);
    list->SetScrollBars(true);
    list->SetBounds(10, 442, 180, 109);
    list->SetMultiSelect(true);
    std::vector<std::string> extensions = {".bmp", ".doc", ".eml", ".exe", ".gif", ".htm", ".jpg", ".txt", ".zip"};
    list->SetItems(extensions);
    list->SetItemSelected(1, true);
    list->SetItemSelected(3, true);
    // As the notice list: more entries than fit, reached by the scroll buttons.
    auto* checks = Place<TFlatCheckListBox>(form, 200, 442, 230, 109);
    checks->SetScrollBars(true);
    checks->SetBounds(200, 442, 230, 109);
    std::vector<std::string> notices = {"Nachricht löschen", "Offline arbeiten", "Ordner komprimieren", "Senden",
                                        "Synchronisieren", "Abonnieren", "Antworten", "Drucken", "Verschieben"};
    checks->SetItems(notices);
    form->Show();
    // Ticks and the highlight are the user's: set them the user's way. The
    // check list keeps the focus, or it would forget its highlighted row.
    Press(checks, 10, 20);
    Press(checks, 10, 58);
    Press(checks, 80, 39);
    auto* link = Place<THTTPLabel>(form, 450, 450, 200, 16);
    link->SetCaption("www.example.org");
    link->SetUrl("http://www.example.org");
    link->Font().SetStyle(fsBold);
    link->SetFontStyleNormal(fsBold);
    link->SetFontColorNormal(clBackground);
    auto* text = Place<TLabel>(form, 450, 475, 300, 30);
    text->SetWordWrap(true);
    text->SetTransparent(true);
    text->SetCaption("Ein Label mit Zeilenumbruch, das über zwei Zeilen läuft.");

    if (argc > 1) {
        Pump(800);
        const bool saved = SaveWindow(form->Handle(), argv[1]);
        std::printf("%s %s\n", saved ? "saved" : "failed to save", argv[1]);
        delete form;
        return saved ? 0 : 1;
    }
    Application()->Run();
    return 0;
}
