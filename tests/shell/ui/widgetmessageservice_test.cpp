#include "modaldriver.h"

#include "shell/ui/widgetmessageservice.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Case
{
    MessageKind kind;
    MessageButtons buttons;
    QMessageBox::Icon icon;
    QList<QMessageBox::StandardButton> shown;
    QMessageBox::StandardButton pressed; // NoButton: Escape
    MessageAnswer answer;
};

} // namespace

TEST(WidgetMessageService, KindsButtonsAndAnswers)
{
    using B = QMessageBox;
    const Case cases[] = {
        {MessageKind::Information, MessageButtons::YesNoCancel, B::Information, {B::Yes, B::No, B::Cancel}, B::No, MessageAnswer::No},
        {MessageKind::Information, MessageButtons::YesNoCancel, B::Information, {B::Yes, B::No, B::Cancel}, B::NoButton, MessageAnswer::Cancel},
        {MessageKind::Warning, MessageButtons::YesNo, B::Warning, {B::Yes, B::No}, B::Yes, MessageAnswer::Yes},
        {MessageKind::Error, MessageButtons::Ok, B::Critical, {B::Ok}, B::NoButton, MessageAnswer::Ok},
        {MessageKind::Confirmation, MessageButtons::OkCancel, B::Question, {B::Ok, B::Cancel}, B::Cancel, MessageAnswer::Cancel},
        {MessageKind::Warning, MessageButtons::Yes, B::Warning, {B::Yes}, B::Yes, MessageAnswer::Yes},
    };
    WidgetMessageService service;
    for (const Case &c : cases) {
        ModalDriver driver;
        driver.on("", [&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->text(), QStringLiteral("C:\\a.PXF already exists!\nDo you want to replace it"));
            QList<QMessageBox::StandardButton> buttons;
            for (QAbstractButton *b : box->buttons())
                buttons << box->standardButton(b);
            std::sort(buttons.begin(), buttons.end());
            QList<QMessageBox::StandardButton> expected = c.shown;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(buttons, expected);
            if (c.pressed == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(c.pressed)->click();
        });
        EXPECT_EQ(service.show(c.kind, QStringLiteral("C:\\a.PXF already exists!\rDo you want to replace it"), c.buttons),
                  c.answer);
    }
}
