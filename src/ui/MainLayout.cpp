// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainLayout.h"

#include "browse/MainControls.h"

namespace Name = MainControls::Name;

namespace {

class Pass {
public:
    Pass(const MainLayout::LabelHeight& labelHeight, const QHash<QString, QRectF>& previous)
        : labelHeight_(labelHeight), previous_(previous) {}

    // Sets a control; negative sizes keep what the control had.
    const QRectF& place(const QString& name, double left, double top, double width, double height) {
        QRectF old = placed_.value(name, previous_.value(name));
        const QRectF r(left, top, width < 0 ? old.width() : width,
                       height < 0 ? old.height() : height);
        placed_.insert(name, r);
        order_.push_back({name, r});
        return placed_[name];
    }
    const QRectF& label(const QString& name, double left, double top, double width) {
        return place(name, left, top, width, labelHeight_(name));
    }
    QRectF get(const QString& name) const { return placed_.value(name, previous_.value(name)); }

    std::vector<Placement> result() { return std::move(order_); }

private:
    const MainLayout::LabelHeight& labelHeight_;
    const QHash<QString, QRectF>& previous_;
    QHash<QString, QRectF> placed_;
    std::vector<Placement> order_;
};

double bottom(const QRectF& r) {
    return r.top() + r.height();
}
double right(const QRectF& r) {
    return r.left() + r.width();
}

void stack(Pass& pass, const QString& frame, const QStringList& labels) {
    const QRectF f = pass.get(frame);
    QRectF prev = pass.label(labels.first(), 100, 200, f.width() - 200);
    for (qsizetype i = 1; i < labels.size(); ++i)
        prev = pass.label(labels[i], prev.left(), bottom(prev) + 8, prev.width());
}

} // namespace

const QStringList& MainLayout::frames() {
    static const QStringList names = MainControls::names(MainControls::Kind::Frame);
    return names;
}

const QStringList& MainLayout::stackedLabels(const QString& frame) {
    static const QStringList misc = MainControls::names(MainControls::Kind::Label, Name::Frame6);
    static const QStringList video = MainControls::names(MainControls::Kind::Label, Name::Frame2);
    static const QStringList audio = MainControls::names(MainControls::Kind::Label, Name::Frame3);
    static const QStringList none;
    if (frame == QLatin1String(Name::Frame6))
        return misc;
    if (frame == QLatin1String(Name::Frame2))
        return video;
    if (frame == QLatin1String(Name::Frame3))
        return audio;
    return none;
}

std::vector<Placement> MainLayout::compute(double W, double H, double S,
                                           const LabelHeight& labelHeight,
                                           const QHash<QString, QRectF>& previous) {
    Pass p(labelHeight, previous);

    const QRectF f1 = p.place(Name::Frame1, 0, 0, W / 3, H - S);
    const QRectF list = p.place(Name::List1, 100, 200, f1.width() - 250, f1.height() - 250 - 375);
    const QRectF c1 = p.place(Name::Command1, 100, bottom(list), list.width() / 2, 375);
    p.place(Name::Command2, right(c1), c1.top(), c1.width(), c1.height());

    const QRectF f4 = p.place(Name::Frame4, W / 3, 0, W / 8, H / 4);
    p.place(Name::Image1, 100, 200, f4.width() - 250, f4.height() - 250);

    const QRectF f5 = p.place(Name::Frame5, f1.width() + f4.width(), 0, W - f1.width() - f4.width(),
                              f4.height() / 1.5);
    QRectF prev = p.label(Name::Label1, 100, 200, f5.width() - 200);
    for (const char* name : {Name::Label11, Name::Label2, Name::Label12})
        prev = p.label(QString::fromLatin1(name), p.get(Name::Label1).left(), bottom(prev),
                       p.get(Name::Label1).width());

    const QRectF f11 = p.place(Name::Frame11, f1.width() + f4.width(), bottom(f5), f5.width(),
                               f4.height() - f5.height());
    p.place(Name::Text17, 100, 200, f11.width() - 200, f11.height() - 300);

    const QRectF f8 =
        p.place(Name::Frame8, f1.width(), bottom(f4), f4.width() + f5.width(), f4.height() / 1.5);
    const QRectF l13 = p.label(Name::Label13, 100, 200, f8.width() - 200);
    const QRectF l14 = p.label(Name::Label14, 100, bottom(l13), f8.width() - 200);
    const QRectF t14 = p.place(Name::Text14, 100, bottom(l14), f8.width() - 200,
                               f8.height() - l14.height() - l13.height() - 300);

    const QRectF f9 = p.place(Name::Frame9, f8.left(), bottom(f8), f8.width(), f8.height() + 200);
    const QRectF l15 = p.label(Name::Label15, 100, 200, f9.width() - 200);
    const QRectF l16 = p.label(Name::Label16, 100, bottom(l15), p.get(Name::Label16).width());
    const QRectF t16 = p.place(Name::Text16, 100, bottom(l16), t14.width(), t14.height());
    p.label(Name::Label31, 100, bottom(t16), f9.width() - 200);

    const double upper = f4.height() + f8.height() + f9.height();
    const QRectF f6 = p.place(Name::Frame6, f4.left(), upper, f8.width() / 3, f1.height() - upper);
    stack(p, Name::Frame6, stackedLabels(Name::Frame6));
    const QRectF f2 = p.place(Name::Frame2, right(f6), f6.top(), f6.width(), f6.height());
    stack(p, Name::Frame2, stackedLabels(Name::Frame2));
    const QRectF f3 = p.place(Name::Frame3, right(f2), f6.top(), f6.width(), f6.height() - 1000);
    stack(p, Name::Frame3, stackedLabels(Name::Frame3));
    const QRectF f7 = p.place(Name::Frame7, right(f2), bottom(f3), f6.width(), 1000);
    const QRectF l35 = p.place(Name::Label35, 100, 200, f7.width() - 200, 300);
    p.place(Name::ProgressBar1, 100, bottom(l35) + 100, f7.width() - 200, 300);

    return p.result();
}
