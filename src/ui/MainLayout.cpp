#include "MainLayout.h"

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
    static const QStringList names = {"Frame1", "Frame4", "Frame5", "Frame11", "Frame8",
                                      "Frame9", "Frame6", "Frame2", "Frame3",  "Frame7"};
    return names;
}

const QStringList& MainLayout::stackedLabels(const QString& frame) {
    static const QStringList misc = {"Label3", "Label32", "Label33", "Label4",
                                     "Label5", "Label6",  "Label7",  "Label34",
                                     "Label8", "Label9",  "Label10", "Label17"};
    static const QStringList video = {"Label18", "Label19", "Label20", "Label21", "Label22",
                                      "Label23", "Label24", "Label25", "Label26"};
    static const QStringList audio = {"Label27", "Label28", "Label29", "Label30"};
    static const QStringList none;
    if (frame == QLatin1String("Frame6"))
        return misc;
    if (frame == QLatin1String("Frame2"))
        return video;
    if (frame == QLatin1String("Frame3"))
        return audio;
    return none;
}

std::vector<Placement> MainLayout::compute(double W, double H, double S,
                                           const LabelHeight& labelHeight,
                                           const QHash<QString, QRectF>& previous) {
    Pass p(labelHeight, previous);

    const QRectF f1 = p.place("Frame1", 0, 0, W / 3, H - S);
    const QRectF list = p.place("List1", 100, 200, f1.width() - 250, f1.height() - 250 - 375);
    const QRectF c1 = p.place("Command1", 100, bottom(list), list.width() / 2, 375);
    p.place("Command2", right(c1), c1.top(), c1.width(), c1.height());

    const QRectF f4 = p.place("Frame4", W / 3, 0, W / 8, H / 4);
    p.place("Image1", 100, 200, f4.width() - 250, f4.height() - 250);

    const QRectF f5 = p.place("Frame5", f1.width() + f4.width(), 0, W - f1.width() - f4.width(),
                              f4.height() / 1.5);
    QRectF prev = p.label("Label1", 100, 200, f5.width() - 200);
    for (const char* name : {"Label11", "Label2", "Label12"})
        prev = p.label(QString::fromLatin1(name), p.get("Label1").left(), bottom(prev),
                       p.get("Label1").width());

    const QRectF f11 = p.place("Frame11", f1.width() + f4.width(), bottom(f5), f5.width(),
                               f4.height() - f5.height());
    p.place("Text17", 100, 200, f11.width() - 200, f11.height() - 300);

    const QRectF f8 =
        p.place("Frame8", f1.width(), bottom(f4), f4.width() + f5.width(), f4.height() / 1.5);
    const QRectF l13 = p.label("Label13", 100, 200, f8.width() - 200);
    const QRectF l14 = p.label("Label14", 100, bottom(l13), f8.width() - 200);
    const QRectF t14 = p.place("Text14", 100, bottom(l14), f8.width() - 200,
                               f8.height() - l14.height() - l13.height() - 300);

    const QRectF f9 = p.place("Frame9", f8.left(), bottom(f8), f8.width(), f8.height() + 200);
    const QRectF l15 = p.label("Label15", 100, 200, f9.width() - 200);
    const QRectF l16 = p.label("Label16", 100, bottom(l15), p.get("Label16").width());
    const QRectF t16 = p.place("Text16", 100, bottom(l16), t14.width(), t14.height());
    p.label("Label31", 100, bottom(t16), f9.width() - 200);

    const double upper = f4.height() + f8.height() + f9.height();
    const QRectF f6 = p.place("Frame6", f4.left(), upper, f8.width() / 3, f1.height() - upper);
    stack(p, "Frame6", stackedLabels("Frame6"));
    const QRectF f2 = p.place("Frame2", right(f6), f6.top(), f6.width(), f6.height());
    stack(p, "Frame2", stackedLabels("Frame2"));
    const QRectF f3 = p.place("Frame3", right(f2), f6.top(), f6.width(), f6.height() - 1000);
    stack(p, "Frame3", stackedLabels("Frame3"));
    const QRectF f7 = p.place("Frame7", right(f2), bottom(f3), f6.width(), 1000);
    const QRectF l35 = p.place("Label35", 100, 200, f7.width() - 200, 300);
    p.place("ProgressBar1", 100, bottom(l35) + 100, f7.width() - 200, 300);

    return p.result();
}
