// Which back-end the picture primitives write to. All flags are false
// except while an export runs, and at most one is true at a time.
#pragma once

namespace quan {

enum class OutputKind { Device, Eps, Svg, PicTeX };

class OutputMode {
public:
    bool picTeX() const { return picTeX_; }
    bool svg() const { return svg_; }
    bool eps() const { return eps_; }
    // Device when no export flag is set.
    OutputKind active() const
    {
        return eps_ ? OutputKind::Eps : svg_ ? OutputKind::Svg : picTeX_ ? OutputKind::PicTeX : OutputKind::Device;
    }
    bool exporting() const { return eps_ || svg_ || picTeX_; }
    // Sets exactly one flag (Device clears them all).
    void set(OutputKind k)
    {
        eps_ = k == OutputKind::Eps;
        svg_ = k == OutputKind::Svg;
        picTeX_ = k == OutputKind::PicTeX;
    }
    void clear() { set(OutputKind::Device); }

private:
    bool picTeX_ = false, svg_ = false, eps_ = false;
};

// Sets an export flag for the lifetime of the guard and clears it again,
// also when the export fails or throws.
class OutputScope {
public:
    OutputScope(OutputMode& m, OutputKind k) : m_(m) { m_.set(k); }
    ~OutputScope() { m_.clear(); }
    OutputScope(const OutputScope&) = delete;
    OutputScope& operator=(const OutputScope&) = delete;

private:
    OutputMode& m_;
};

} // namespace quan
