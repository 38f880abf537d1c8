#include "platform/richpane.h"

#include "chart/error.h"
#include "platform/gui_app.h"
#include "support/test_support.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTextCursor>

#include <gtest/gtest.h>

using zentrel::platform::RichTextPane;

namespace {

class RichPane : public ::testing::Test {
protected:
    void SetUp() override { zentrel::platform::guitest::ensureGuiApp(); }
    QString path(const std::string& name) { return QString::fromStdString((dir / name).string()); }
    zentrel::test::TempDir dir;
};

TEST_F(RichPane, LoadsRtfAndShowsItsTop)
{
    std::string body = "{\\rtf1 {\\b Title}\\par ";
    for (int i = 0; i < 200; ++i)
        body += "line " + std::to_string(i) + "\\par ";
    zentrel::test::writeFile(dir / "help.rtf", body + "}");
    RichTextPane pane;
    pane.setReadOnly(true);
    pane.resize(300, 200);
    pane.setPlainText("old");
    pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());
    pane.loadFile(path("help.rtf"));
    EXPECT_TRUE(pane.toPlainText().startsWith("Title\nline 0\nline 1\n"));
    EXPECT_EQ(pane.textCursor().position(), 0);
    EXPECT_EQ(pane.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(pane.isReadOnly()) << "loading leaves the caller's choice";
    EXPECT_FALSE(pane.document()->isUndoAvailable());
}

TEST_F(RichPane, MissingFileKeepsTheOldContents)
{
    RichTextPane pane;
    zentrel::test::writeFile(dir / "a.rtf", "{\\rtf1 first {\\i text}}");
    pane.loadFile(path("a.rtf"));
    ASSERT_EQ(pane.toPlainText(), "first text");
    try {
        pane.loadFile(path("missing.rtf"));
        FAIL() << "no error";
    } catch (const zentrel::IoError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
    EXPECT_EQ(pane.toPlainText(), "first text");
}

TEST_F(RichPane, EditableWhenTheCallerWantsIt)
{
    RichTextPane pane;
    pane.setReadOnly(false);
    zentrel::test::writeFile(dir / "t.rtf", "{\\rtf1 abc}");
    pane.loadFile(path("t.rtf"));
    pane.moveCursor(QTextCursor::End);
    pane.insertPlainText("d");
    EXPECT_EQ(pane.toPlainText(), "abcd");
}

TEST_F(RichPane, WrapsWithOnlyAVerticalBar)
{
    RichTextPane pane;
    EXPECT_EQ(pane.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(pane.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    pane.resize(200, 150);
    pane.setPlainText(QString(2000, QChar('w')) + " " + QString("word ").repeated(200));
    pane.show();
    QApplication::processEvents();
    EXPECT_TRUE(pane.verticalScrollBar()->isVisible());
    EXPECT_FALSE(pane.horizontalScrollBar()->isVisible());
    EXPECT_LE(pane.document()->size().width(), pane.viewport()->width() + 1)
        << "even an unbroken run wraps";
}

TEST_F(RichPane, FlatBorderOnWhite)
{
    RichTextPane pane;
    pane.resize(200, 120);
    const QImage img = pane.grab().toImage();
    const QColor border(139, 131, 107);
    EXPECT_EQ(img.pixelColor(0, 60), border);
    EXPECT_EQ(img.pixelColor(100, 0), border);
    EXPECT_EQ(img.pixelColor(100, img.height() - 1), border);
    EXPECT_EQ(img.pixelColor(1, 60), QColor(Qt::white)) << "the border is 1 px";
    EXPECT_EQ(img.pixelColor(60, 60), QColor(Qt::white));
}

} // namespace
