#include "framework/Dialogs.h"
#include "framework/DragMove.h"
#include "framework/Forms.h"
#include "framework/Notebook.h"
#include "framework/StdBevel.h"
#include "framework/Seams.h"
#include "framework/StdImage.h"

#include "support/TestForm.h"

#include <gtest/gtest.h>

namespace {

using RecordingForm = zvtest::SysCommandRecorder<TForm>;

} // namespace

TEST(OpenDialog, HandsTitleFilterNameFolderAndIndexToTheSystem)
{
    OPENFILENAMEA seen{};
    std::string filter, title, dir, file;
    Seams::Override<Seams::GetOpenFileNameFn> guard(Seams::GetOpenFileName(), [&](OPENFILENAMEA* ofn) {
        seen = *ofn;
        title = ofn->lpstrTitle;
        dir = ofn->lpstrInitialDir;
        file = ofn->lpstrFile;
        filter.assign(ofn->lpstrFilter, 40);
        lstrcpyA(ofn->lpstrFile, "C:\\neu\\bild.bmp");
        ofn->nFilterIndex = 2;
        return TRUE;
    });
    TOpenDialog dialog;
    dialog.Title = "Grafik auswählen";
    dialog.Filter = "Bitmaps (*.bmp)|*.bmp|Alle Dateien|*.*";
    dialog.FileName = "alt.bmp";
    dialog.InitialDir = "C:\\windows";
    dialog.FilterIndex = 1;
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(title, "Grafik auswählen");
    EXPECT_EQ(dir, "C:\\windows");
    EXPECT_EQ(file, "alt.bmp");
    EXPECT_EQ(seen.nFilterIndex, 1u);
    EXPECT_EQ(filter, std::string("Bitmaps (*.bmp)\0*.bmp\0Alle Dateien\0*.*\0\0", 40));
    EXPECT_EQ(dialog.FileName, "C:\\neu\\bild.bmp");
    EXPECT_EQ(dialog.FilterIndex, 2);
}

TEST(OpenDialog, CancelKeepsTheOldName)
{
    Seams::Override<Seams::GetOpenFileNameFn> guard(Seams::GetOpenFileName(), [](OPENFILENAMEA*) { return FALSE; });
    TOpenDialog dialog;
    dialog.FileName = "alt.wav";
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, "alt.wav");
}

TEST(DragMove, SendsMoveByCaptionToTheWindow)
{
    RecordingForm form(nullptr);
    form.SetBorderStyle(bsNone);
    DragMoveWindow(form.Handle());
    ASSERT_EQ(form.commands.size(), 1u);
    EXPECT_EQ(form.commands[0], 0xF012u);
}

TEST(Notebook, ShowsExactlyThePageOfItsIndex)
{
    TForm form(nullptr);
    auto* book = new TNotebook(&form);
    book->SetParent(&form);
    book->SetBounds(0, 0, 100, 80);
    TPage* first = book->AddPage("Allgemein");
    TPage* second = book->AddPage("Dialoge");
    EXPECT_EQ(book->PageIndex(), 0);
    EXPECT_TRUE(first->Visible());
    EXPECT_FALSE(second->Visible());
    EXPECT_EQ(first->Width(), 100) << "pages fill the notebook";
    int changes = 0;
    book->OnPageChanged = [&](TObject*) { ++changes; };
    book->SetPageIndex(1);
    book->SetPageIndex(5);
    EXPECT_EQ(book->PageIndex(), 1);
    EXPECT_FALSE(first->Visible());
    EXPECT_TRUE(second->Visible());
    EXPECT_EQ(changes, 1);
}

TEST(Image, TransparentBitmapLeavesOutItsBottomLeftColour)
{
    TForm form(nullptr);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 8, 8);
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            bitmap.SetPixel(x, y, x < 2 ? RGB(0, 128, 0) : RGB(200, 10, 10));
    image->SetPicture(bitmap);
    image->SetCenter(true);
    image->SetTransparent(true);
    TMemoryDC mem(nullptr, 8, 8);
    TCanvas canvas(mem.Handle());
    canvas.FillRect({0, 0, 8, 8}, clWhite);
    image->Paint(canvas);
    EXPECT_EQ(mem.Pixel(2, 2), RGB(255, 255, 255)) << "key colour left out";
    EXPECT_EQ(mem.Pixel(4, 2), RGB(200, 10, 10)) << "centred: drawn from (2,2)";
    EXPECT_EQ(mem.Pixel(6, 2), RGB(255, 255, 255));
}

TEST(Bevel, TopLineIsShadowOverHighlight)
{
    TForm form(nullptr);
    auto* bevel = new TBevel(&form);
    bevel->SetParent(&form);
    bevel->SetBounds(0, 0, 10, 2);
    bevel->SetShape(bsTopLine);
    TMemoryDC mem(nullptr, 10, 2);
    TCanvas canvas(mem.Handle());
    bevel->Paint(canvas);
    EXPECT_EQ(mem.Pixel(5, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(mem.Pixel(5, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
}
