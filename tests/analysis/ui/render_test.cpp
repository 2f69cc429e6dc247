#include <gtest/gtest.h>

#include <QDebug>

#include "analysiswindow.h"

// Renders every page of a fan and a pump project, for looking at the window as a user would.
TEST(AnalysisWindowPictures, EveryPageRenders)
{
    for (int kind : {1, 2}) {
        AnalysisWindow w(kind);
        w.state.options.custom1InUse = true;
        w.state.options.custom1Title = QStringLiteral("Eddy Current Clutch");
        w.show();
        for (int page = 0; page < AnalysisPageCount; ++page) {
            w.pages()->setCurrentIndex(page);
            QApplication::processEvents();
            const QImage picture = w.form->grab().toImage();
            EXPECT_EQ(picture.size(), w.form->size());
            if (qEnvironmentVariableIsSet("PELNIX_LAYOUT_SIZES"))
            {
                qInfo() << page << w.pages()->widget(page)->minimumSizeHint() << w.form->size();
                for (const char *name : {"CostPanel", "SavingsPanel", "PaybackPanel"})
                    if (page == 2)
                        qInfo() << name << w.child(name)->minimumSizeHint();
            }
            picture.save(QStringLiteral("/tmp/analysis-kind%1-page%2.png").arg(kind).arg(page));
        }
        EXPECT_TRUE(w.messages.shown().empty());
        if (kind == 1) {
            // The duty panel with a wrong total.
            w.pages()->setCurrentIndex(1);
            w.typeAndLeave("A119", QStringLiteral("5"), "A118");
            QApplication::processEvents();
            w.form->grab().save(QStringLiteral("/tmp/analysis-duty-wrong.png"));
        }
        w.form->hide();
    }
}
