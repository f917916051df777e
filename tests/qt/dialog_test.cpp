// Dialogs laid out from the compiled-in templates, on the offscreen
// platform: every control of the template is there, addressed by its id,
// showing its text, placed and sized by the template's dialog units, apart
// from the controls the template keeps apart, and inside the dialog.
#include "core/qmath.h"
#include "qt/qt_dialog.h"
#include "qt/qt_platform.h"
#include "qt/qt_text.h"
#include "resources/rc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

using namespace quan;
using quan::plat::ControlType;

namespace {

// Fills the prompts and fields the way the input dialogs' callers do.
struct FillingHandler : plat::DialogHandler {
    std::map<int, std::string> texts;
    void init(plat::Dialog& d) override
    {
        for (const auto& [id, text] : texts)
            d.setText(id, text);
    }
};

struct Shown {
    std::unique_ptr<plat::Dialog> dialog;
    qtui::QtDialog* qt = nullptr;
    std::map<int, QWidget*> byIndex; // template index -> widget
};

Shown show(const plat::DialogTemplate& t, plat::DialogHandler* h)
{
    Shown s;
    s.dialog = qtui::QtPlatform::instance()->createDialog(t, h, nullptr);
    s.qt = dynamic_cast<qtui::QtDialog*>(s.dialog.get());
    if (!s.qt || !s.qt->widget())
        return s;
    s.qt->show();
    QApplication::processEvents();
    for (QWidget* w : s.qt->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVariant v = w->property(qtui::kTemplateIndex);
        if (v.isValid())
            s.byIndex[v.toInt()] = w;
    }
    return s;
}

QRect templateRect(const plat::ControlTemplate& c) { return QRect(c.x, c.y, c.w, c.h); }

// The text a control shows, with the mnemonic marker taken out.
std::string shownText(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w))
        return stripAmpersand(qtui::toUi(l->text()));
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return stripAmpersand(qtui::toUi(g->title()));
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return stripAmpersand(qtui::toUi(b->text()));
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return qtui::toUi(e->text());
    return {};
}

bool hasTheWidgetOfItsType(QWidget* w, ControlType type)
{
    switch (type) {
    case ControlType::Static: return qobject_cast<QLabel*>(w);
    case ControlType::Edit: return qobject_cast<QLineEdit*>(w);
    // (A plain button may become the default while it has the focus.)
    case ControlType::Button: return qobject_cast<QPushButton*>(w);
    case ControlType::DefaultButton: {
        auto* b = qobject_cast<QPushButton*>(w);
        return b && b->isDefault();
    }
    case ControlType::Check:
    case ControlType::Radio: return qobject_cast<QAbstractButton*>(w) && static_cast<QAbstractButton*>(w)->isCheckable();
    case ControlType::DropDown: return qobject_cast<QComboBox*>(w);
    case ControlType::Slider: return qobject_cast<QSlider*>(w);
    case ControlType::ListBox: return qobject_cast<QListWidget*>(w);
    case ControlType::Group: return qobject_cast<QGroupBox*>(w);
    }
    return false;
}

// Checks the laid-out dialog against its template.
void checkLayout(const plat::DialogTemplate& t, const Shown& s)
{
    ASSERT_NE(s.qt, nullptr);
    QWidget* d = s.qt->widget();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(qtui::toUi(d->windowTitle()), t.title);

    // Dialog units: a quarter of the average character width of the
    // dialog's font across, an eighth of its line height down.
    QFontMetrics fm(d->font());
    const double bx = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
    const double by = fm.height();
    ASSERT_GT(bx, 2.0) << "the dialog font has no width";
    ASSERT_GT(by, 6.0) << "the dialog font has no height";
    auto px = [bx](int du) { return static_cast<double>(du) * bx / 4; };
    auto py = [by](int du) { return static_cast<double>(du) * by / 8; };

    ASSERT_EQ(s.byIndex.size(), t.controls.size()) << "a control of the template is missing or one is extra";
    for (size_t i = 0; i < t.controls.size(); ++i) {
        const plat::ControlTemplate& c = t.controls[i];
        SCOPED_TRACE(t.name + " control " + std::to_string(i) + " (id " + std::to_string(c.id) + ", \"" + c.text + "\")");
        auto it = s.byIndex.find(static_cast<int>(i));
        ASSERT_NE(it, s.byIndex.end());
        QWidget* w = it->second;
        EXPECT_TRUE(hasTheWidgetOfItsType(w, c.type));
        EXPECT_TRUE(w->isVisibleTo(d));
        if (c.type != ControlType::DropDown && c.type != ControlType::Slider && c.type != ControlType::ListBox) {
            EXPECT_EQ(shownText(w), stripAmpersand(c.text));
        }

        // Position and size from dialog units (a pixel of rounding allowed);
        // a drop-down is as tall as its closed box, the template's height
        // includes the open list.
        QRect g = w->geometry();
        EXPECT_NEAR(g.x(), px(c.x), 1.0);
        EXPECT_NEAR(g.y(), py(c.y), 1.0);
        EXPECT_NEAR(g.width(), std::max(1.0, px(c.w)), 1.0);
        if (c.type == ControlType::DropDown)
            EXPECT_EQ(g.height(), w->sizeHint().height());
        else
            EXPECT_NEAR(g.height(), std::max(1.0, py(c.h)), 1.0);

        // Inside the dialog.
        EXPECT_TRUE(d->rect().contains(g)) << "control at " << g.x() << "," << g.y() << " " << g.width() << "x"
                                           << g.height() << " outside the dialog of " << d->width() << "x"
                                           << d->height();

        // Addressed by its id: a text set through the dialog reaches this
        // widget.
        bool unique = true;
        for (size_t k = 0; k < t.controls.size(); ++k)
            unique = unique && (k == i || t.controls[k].id != c.id);
        if (c.id >= 0 && unique && (c.type == ControlType::Static || c.type == ControlType::Edit ||
                          c.type == ControlType::Button || c.type == ControlType::DefaultButton ||
                          c.type == ControlType::Check || c.type == ControlType::Radio)) {
            std::string before = s.dialog->text(c.id);
            std::string probe = "probe " + std::to_string(c.id);
            s.dialog->setText(c.id, probe);
            EXPECT_EQ(shownText(w), probe);
            EXPECT_EQ(s.dialog->text(c.id), probe);
            s.dialog->setText(c.id, before);
        }
    }

    // Controls the template keeps apart stay apart.
    for (size_t i = 0; i < t.controls.size(); ++i) {
        for (size_t j = i + 1; j < t.controls.size(); ++j) {
            if (templateRect(t.controls[i]).intersects(templateRect(t.controls[j])))
                continue;
            QRect a = s.byIndex.at(static_cast<int>(i))->geometry();
            QRect b = s.byIndex.at(static_cast<int>(j))->geometry();
            EXPECT_FALSE(a.intersects(b)) << t.name << ": controls " << i << " (id " << t.controls[i].id << ") and "
                                          << j << " (id " << t.controls[j].id << ") overlap";
        }
    }

    // The dialog's own size from its dialog units.
    EXPECT_NEAR(d->width(), px(t.w), 1.0);
    EXPECT_NEAR(d->height(), py(t.h), 1.0);
}

class TemplateLayout : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(TemplateLayout, EveryControlIsPlacedByItsDialogUnits)
{
    std::string name = GetParam();
    ASSERT_TRUE(hasDialogResource(name)) << name;
    const plat::DialogTemplate& t = dialogResource(name);
    ASSERT_FALSE(t.controls.empty());
    Shown s = show(t, nullptr);
    checkLayout(t, s);
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateLayout,
                         ::testing::Values("divisor", "ONEINPUT", "TWOINPUT", "delete", "OKMBOX", "YNMBOX",
                                           "YNCMBOX", "DP", "PRNSPX2", "LUNCH", "ABOUT", "EDITRGB", "VIEWCEN",
                                           "VIEWCOR", "VIEWALL", "SETGRID", "AXVBLS", "conflicting",
                                           "randomweights", "ELECTION", "BORDA"),
                         [](const ::testing::TestParamInfo<const char*>& p) { return std::string(p.param); });

TEST(TemplateDialog, TheDivisorDialogHasItsFieldButtonsAndSliderInARow)
{
    const plat::DialogTemplate& t = dialogResource("divisor");
    Shown s = show(t, nullptr);
    ASSERT_NE(s.qt, nullptr);
    std::map<int, QWidget*> byId;
    for (size_t i = 0; i < t.controls.size(); ++i)
        byId[t.controls[i].id] = s.byIndex.at(static_cast<int>(i));
    ASSERT_EQ(byId.size(), 6u);
    auto* field = qobject_cast<QLineEdit*>(byId.at(101));
    auto* apply = qobject_cast<QPushButton*>(byId.at(plat::IdOk));
    auto* close = qobject_cast<QPushButton*>(byId.at(plat::IdCancel));
    auto* setL = qobject_cast<QPushButton*>(byId.at(102));
    auto* setR = qobject_cast<QPushButton*>(byId.at(103));
    auto* slider = qobject_cast<QSlider*>(byId.at(104));
    ASSERT_TRUE(field && apply && close && setL && setR && slider);
    EXPECT_TRUE(apply->isDefault());
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    // Field, apply and close across the top; set L and set R below them at
    // the two ends; the slider below across the dialog.
    EXPECT_LT(field->geometry().right(), apply->geometry().left());
    EXPECT_LT(apply->geometry().right(), close->geometry().left());
    EXPECT_LT(field->geometry().bottom(), setL->geometry().top());
    EXPECT_EQ(setL->geometry().left(), field->geometry().left());
    EXPECT_EQ(setR->geometry().right(), close->geometry().right());
    EXPECT_LT(setL->geometry().bottom(), slider->geometry().top());
    EXPECT_LT(setR->geometry().bottom(), slider->geometry().top());
    EXPECT_GT(slider->width(), s.qt->widget()->width() * 8 / 10);
    s.dialog->setSliderRange(104, 0, 1000, 50);
    s.dialog->setSliderPos(104, 250, false);
    EXPECT_EQ(slider->value(), 250);
    EXPECT_EQ(s.dialog->sliderPos(104), 250);
}

TEST(TemplateDialog, PromptsFilledInWindows1252ShowTheirCharacters)
{
    FillingHandler h;
    h.texts = {{101, "Qu\xE9" "bec \x96 seats"}, {102, "7"}, {103, "Montr\xC3\xA9" "al"}, {104, "12.5"}};
    const plat::DialogTemplate& t = dialogResource("TWOINPUT");
    Shown s = show(t, &h);
    ASSERT_NE(s.qt, nullptr);
    auto* prompt1 = qobject_cast<QLabel*>(s.byIndex.at(0));
    auto* field1 = qobject_cast<QLineEdit*>(s.byIndex.at(1));
    auto* prompt2 = qobject_cast<QLabel*>(s.byIndex.at(2));
    auto* field2 = qobject_cast<QLineEdit*>(s.byIndex.at(3));
    ASSERT_TRUE(prompt1 && field1 && prompt2 && field2);
    EXPECT_EQ(prompt1->text(), QString::fromUtf8("Qu\xC3\xA9" "bec \xE2\x80\x93 seats"));
    EXPECT_EQ(prompt2->text(), QString::fromUtf8("Montr\xC3\xA9" "al"));
    EXPECT_EQ(field1->text(), QStringLiteral("7"));
    EXPECT_EQ(s.dialog->text(104), "12.5");
    // Typed text comes back in Windows-1252.
    field2->setText(QString::fromUtf8("\xE2\x80\x93" "3"));
    EXPECT_EQ(s.dialog->text(104), "\x96" "3");
    // Prompt and field stay one above the other.
    EXPECT_LT(prompt1->geometry().bottom(), field1->geometry().top());
    EXPECT_LT(field1->geometry().bottom(), prompt2->geometry().top());
    EXPECT_LT(prompt2->geometry().bottom(), field2->geometry().top());
}
