#include "qt/qt_dialog.h"

#include <QScreen>

#include "qt/qt_platform.h"
#include "qt/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <cmath>

namespace quan::qtui {

namespace {

bool endsDialog(int id) { return id == plat::IdOk || id == plat::IdCancel || id == plat::IdYes || id == plat::IdNo; }

// A label without its mnemonic marker ("&&" stands for '&').
QString withoutMnemonic(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'&') {
            if (i + 1 < s.size() && s[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += s[i];
    }
    return out;
}

bool takesInput(plat::ControlType t)
{
    using plat::ControlType;
    return t == ControlType::Edit || t == ControlType::DropDown || t == ControlType::ListBox ||
           t == ControlType::Slider;
}

} // namespace

void DialogWidget::reject()
{
    if (owner_)
        owner_->pressed(plat::IdCancel);
    else
        QDialog::reject();
}

QtDialog::QtDialog(const plat::DialogTemplate& t, plat::DialogHandler* h, QWidget* parent) : t_(t), h_(h)
{
    build(parent);
}

QtDialog::~QtDialog()
{
    *alive_ = false;
    if (d_) {
        d_->owner_ = nullptr;
        d_->hide();
        d_->deleteLater();
    }
}

void QtDialog::build(QWidget* parent)
{
    using plat::ControlType;
    d_ = new DialogWidget(this, parent);
    d_->setWindowTitle(fromUi(t_.title));
    d_->setModal(false);
    // Dialog units: a quarter of the average character width across and an
    // eighth of the line height down.
    QFontMetrics fm(d_->font());
    double bx = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
    double by = fm.height();
    auto px = [bx](int du) { return static_cast<int>(std::lround(du * bx / 4)); };
    auto py = [by](int du) { return static_cast<int>(std::lround(du * by / 8)); };

    std::vector<QWidget*> groups;
    QLabel* pendingBuddy = nullptr;
    for (size_t i = 0; i < t_.controls.size(); ++i) {
        const plat::ControlTemplate& c = t_.controls[i];
        QString text = fromUi(c.text);
        QWidget* w = nullptr;
        int id = c.id;
        QtDialog* self = this;
        switch (c.type) {
        case ControlType::Static: {
            auto* l = new QLabel(d_);
            l->setTextFormat(Qt::PlainText);
            l->setWordWrap(true);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = l;
            break;
        }
        case ControlType::Edit: w = new QLineEdit(text, d_); break;
        case ControlType::Button:
        case ControlType::DefaultButton: {
            auto* b = new QPushButton(text, d_);
            b->setDefault(c.type == ControlType::DefaultButton);
            QObject::connect(b, &QPushButton::clicked, d_, [self, id] { self->pressed(id); });
            w = b;
            break;
        }
        case ControlType::Check: {
            auto* b = new QCheckBox(text, d_);
            QObject::connect(b, &QCheckBox::clicked, d_, [self, id] { self->pressed(id); });
            w = b;
            break;
        }
        case ControlType::Radio: {
            // Each radio button stands alone: a click turns it on or off and
            // the window class decides what the others do.
            auto* b = new QRadioButton(text, d_);
            b->setAutoExclusive(false);
            QObject::connect(b, &QRadioButton::clicked, d_, [self, id] { self->pressed(id); });
            w = b;
            break;
        }
        case ControlType::DropDown: {
            auto* b = new QComboBox(d_);
            QObject::connect(b, &QComboBox::activated, d_, [self, id](int) {
                if (self->h_ && !self->quiet_) {
                    HandlerScope scope;
                    self->h_->selectionChanged(*self, id);
                }
            });
            w = b;
            break;
        }
        case ControlType::Slider: {
            auto* s = new QSlider(c.h > c.w ? Qt::Vertical : Qt::Horizontal, d_);
            s->setRange(0, 100);
            s->setPageStep(10);
            s->setSingleStep(1);
            QObject::connect(s, &QSlider::valueChanged, d_, [self, id](int v) {
                if (self->h_ && !self->quiet_) {
                    HandlerScope scope;
                    self->h_->sliderMoved(*self, id, v);
                }
            });
            w = s;
            break;
        }
        case ControlType::ListBox: {
            auto* l = new QListWidget(d_);
            QObject::connect(l, &QListWidget::currentRowChanged, d_, [self, id](int) {
                if (self->h_ && !self->quiet_) {
                    HandlerScope scope;
                    self->h_->selectionChanged(*self, id);
                }
            });
            w = l;
            break;
        }
        case ControlType::Group: {
            w = new QGroupBox(withoutMnemonic(text), d_);
            groups.push_back(w);
            break;
        }
        }
        if (c.type == ControlType::Static) {
            // A mnemonic in a prompt moves the focus to the field after it.
            auto* l = static_cast<QLabel*>(w);
            bool buddy = i + 1 < t_.controls.size() && takesInput(t_.controls[i + 1].type) && text.contains(u'&');
            l->setText(buddy ? text : withoutMnemonic(text));
            pendingBuddy = buddy ? l : nullptr;
        } else {
            if (pendingBuddy && takesInput(c.type))
                pendingBuddy->setBuddy(w);
            pendingBuddy = nullptr;
        }
        // Both edges rounded, so controls that touch in the template touch on
        // the screen and never overlap by a pixel of rounding.
        int x = px(c.x), y = py(c.y);
        int width = std::max(1, px(c.x + c.w) - x), height = std::max(1, py(c.y + c.h) - y);
        if (c.type == ControlType::DropDown)
            height = w->sizeHint().height(); // the template's height includes the open list
        w->setGeometry(x, y, width, height);
        // Which control of the template this is (statics share id -1).
        w->setProperty(kTemplateIndex, static_cast<int>(i));
        Control ctl;
        ctl.type = c.type;
        ctl.w = w;
        ctl.text = c.text;
        if (id >= 0)
            controls_[id] = ctl;
    }
    for (QWidget* g : groups)
        g->lower();
    d_->setFixedSize(std::max(1, px(t_.w)), std::max(1, py(t_.h)));
}

QtDialog::Control* QtDialog::find(int id)
{
    auto it = controls_.find(id);
    return it == controls_.end() || !it->second.w ? nullptr : &it->second;
}

const QtDialog::Control* QtDialog::find(int id) const { return const_cast<QtDialog*>(this)->find(id); }

void QtDialog::setTitle(const std::string& t)
{
    if (d_)
        d_->setWindowTitle(fromUi(t));
}

void QtDialog::setText(int id, const std::string& text)
{
    using plat::ControlType;
    Control* c = find(id);
    if (!c)
        return;
    c->text = text;
    QString s = fromUi(text);
    ++quiet_;
    switch (c->type) {
    case ControlType::Static: {
        auto* l = static_cast<QLabel*>(c->w.data());
        l->setText(l->buddy() ? s : withoutMnemonic(s));
        break;
    }
    case ControlType::Edit: static_cast<QLineEdit*>(c->w.data())->setText(s); break;
    case ControlType::Button:
    case ControlType::DefaultButton:
    case ControlType::Check:
    case ControlType::Radio: static_cast<QAbstractButton*>(c->w.data())->setText(s); break;
    case ControlType::Group: static_cast<QGroupBox*>(c->w.data())->setTitle(withoutMnemonic(s)); break;
    case ControlType::DropDown: {
        auto* b = static_cast<QComboBox*>(c->w.data());
        int k = b->findText(s);
        if (k >= 0)
            b->setCurrentIndex(k);
        break;
    }
    default: break;
    }
    --quiet_;
}

std::string QtDialog::text(int id) const
{
    using plat::ControlType;
    const Control* c = find(id);
    if (!c)
        return {};
    switch (c->type) {
    case ControlType::Edit: return toUi(static_cast<QLineEdit*>(c->w.data())->text());
    case ControlType::DropDown: {
        auto* b = static_cast<QComboBox*>(c->w.data());
        return b->currentIndex() >= 0 ? toUi(b->currentText()) : c->text;
    }
    case ControlType::ListBox: {
        auto* l = static_cast<QListWidget*>(c->w.data());
        return l->currentRow() >= 0 && l->currentItem() ? toUi(l->currentItem()->text()) : c->text;
    }
    default: return c->text;
    }
}

void QtDialog::setCheck(int id, bool on)
{
    Control* c = find(id);
    if (!c)
        return;
    if (auto* b = qobject_cast<QAbstractButton*>(c->w.data()); b && b->isCheckable()) {
        ++quiet_;
        b->setChecked(on);
        --quiet_;
    }
}

bool QtDialog::check(int id) const
{
    const Control* c = find(id);
    if (!c)
        return false;
    auto* b = qobject_cast<QAbstractButton*>(c->w.data());
    return b && b->isCheckable() && b->isChecked();
}

void QtDialog::clearItems(int id)
{
    Control* c = find(id);
    if (!c)
        return;
    ++quiet_;
    if (auto* b = qobject_cast<QComboBox*>(c->w.data()))
        b->clear();
    else if (auto* l = qobject_cast<QListWidget*>(c->w.data()))
        l->clear();
    --quiet_;
}

void QtDialog::addItem(int id, const std::string& item)
{
    Control* c = find(id);
    if (!c)
        return;
    ++quiet_;
    if (auto* b = qobject_cast<QComboBox*>(c->w.data())) {
        b->addItem(fromUi(item));
        // A drop-down list starts without a selection, as the original
        // control does.
        if (b->count() == 1)
            b->setCurrentIndex(-1);
    } else if (auto* l = qobject_cast<QListWidget*>(c->w.data())) {
        l->addItem(fromUi(item));
    }
    --quiet_;
}

void QtDialog::setSelection(int id, int index)
{
    Control* c = find(id);
    if (!c)
        return;
    ++quiet_;
    if (auto* b = qobject_cast<QComboBox*>(c->w.data()))
        b->setCurrentIndex(index >= 0 && index < b->count() ? index : -1);
    else if (auto* l = qobject_cast<QListWidget*>(c->w.data())) {
        if (index >= 0 && index < l->count()) {
            l->setCurrentRow(index);
            l->scrollToItem(l->item(index));
        } else {
            l->setCurrentRow(-1);
            l->clearSelection();
        }
    }
    --quiet_;
}

int QtDialog::selection(int id) const
{
    const Control* c = find(id);
    if (!c)
        return -1;
    if (auto* b = qobject_cast<QComboBox*>(c->w.data()))
        return b->currentIndex();
    if (auto* l = qobject_cast<QListWidget*>(c->w.data()))
        return l->currentRow();
    return -1;
}

void QtDialog::setSliderRange(int id, int min, int max, int page)
{
    Control* c = find(id);
    auto* s = c ? qobject_cast<QSlider*>(c->w.data()) : nullptr;
    if (!s)
        return;
    ++quiet_;
    s->setRange(std::min(min, max), std::max(min, max));
    s->setPageStep(std::max(1, page));
    --quiet_;
}

void QtDialog::setSliderPos(int id, int pos, bool notify)
{
    Control* c = find(id);
    auto* s = c ? qobject_cast<QSlider*>(c->w.data()) : nullptr;
    if (!s)
        return;
    ++quiet_;
    s->setValue(pos);
    --quiet_;
    if (notify && h_) {
        HandlerScope scope;
        h_->sliderMoved(*this, id, s->value());
    }
}

int QtDialog::sliderPos(int id) const
{
    const Control* c = find(id);
    auto* s = c ? qobject_cast<QSlider*>(c->w.data()) : nullptr;
    return s ? s->value() : 0;
}

void QtDialog::enableControl(int id, bool on)
{
    if (Control* c = find(id))
        c->w->setEnabled(on);
}

void QtDialog::showControl(int id, bool on)
{
    if (Control* c = find(id))
        c->w->setVisible(on);
}

void QtDialog::ensureInit()
{
    if (inited_)
        return;
    inited_ = true;
    if (h_) {
        HandlerScope scope;
        h_->init(*this);
    }
    if (!d_)
        return;
    // Fields start selected, so that typing replaces them.
    for (QLineEdit* e : d_->findChildren<QLineEdit*>())
        e->selectAll();
}

void QtDialog::show()
{
    ensureInit();
    if (!d_)
        return;
    if (!placed_) {
        placed_ = true;
        placeBesideOwner();
    }
    d_->show();
    d_->raise();
    d_->activateWindow();
}

void QtDialog::moveTo(plat::Point topLeft)
{
    ensureInit();
    if (!d_)
        return;
    placed_ = true;
    d_->move(topLeft.x, topLeft.y);
}

// A modeless dialog opens beside its owner (right or left), or below or
// above it, where it leaves the owner's picture or table in view; centred
// when no side has room.
void QtDialog::placeBesideOwner()
{
    QWidget* owner = d_->parentWidget() ? d_->parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible())
        return;
    d_->adjustSize();
    QRect o = owner->frameGeometry();
    QSize size = d_->frameGeometry().size().expandedTo(d_->sizeHint());
    QScreen* screen = owner->screen();
    if (!screen)
        return;
    QRect avail = screen->availableGeometry();
    // Right, left, below or above the owner: the first side with room.
    const QPoint sides[] = {QPoint(o.right() + 8, o.top()), QPoint(o.left() - 8 - size.width(), o.top()),
                            QPoint(o.left(), o.bottom() + 8), QPoint(o.left(), o.top() - 8 - size.height())};
    for (const QPoint& at : sides)
        if (avail.contains(QRect(at, size))) {
            d_->move(at);
            return;
        }
}

void QtDialog::hide()
{
    if (d_)
        d_->hide();
}

bool QtDialog::isVisible() const { return d_ && d_->isVisible(); }

void QtDialog::end(int result)
{
    if (!d_)
        return;
    if (modal_)
        d_->done(result);
    else
        d_->hide();
}

int QtDialog::exec()
{
    ensureInit();
    if (!d_)
        return plat::IdCancel;
    QPointer<DialogWidget> guard = d_;
    auto alive = alive_;
    modal_ = true;
    int r = d_->exec();
    if (!*alive)
        return guard ? r : plat::IdCancel;
    modal_ = false;
    if (!guard)
        return plat::IdCancel;
    return r == 0 ? plat::IdCancel : r;
}

void QtDialog::pressed(int id)
{
    auto alive = alive_;
    bool handled = false;
    if (h_) {
        HandlerScope scope;
        handled = h_->button(*this, id);
    }
    if (!*alive)
        return;
    if (!handled && endsDialog(id)) {
        if (modal_)
            end(id);
        else
            hide();
    }
}

} // namespace quan::qtui
