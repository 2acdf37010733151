// Temporary stand-in for model/exact/ExactFlight.cpp until it lands: integrates every model with
// a dense-output Dormand–Prince stepper. Built only while the real source is missing.
#include "model/exact/ExactFlight.h"

#include "model/ClosedForm.h"
#include "model/Constants.h"

#include <boost/numeric/odeint.hpp>

#include <array>
#include <cmath>

namespace model::exact {

using Vec = std::array<double, 4>;

struct ExactFlight::Impl {
    Inputs in;
    ModelKind model;
    double tau = 0, Vp1 = 0, R2 = 0;

    void rhs(const Vec& s, Vec& ds) const {
        ds[0] = s[2];
        ds[1] = s[3];
        if (model == ModelKind::vacuum) {
            ds[2] = 0;
            ds[3] = -g;
            return;
        }
        const double v = std::hypot(s[2], s[3]);
        const double q = model == ModelKind::quadratic ? v / R2 : 0;
        ds[2] = -s[2] / tau - q * s[2];
        ds[3] = -Vp1 / tau - s[3] / tau - q * s[3];
    }
};

ExactFlight::ExactFlight(const Inputs& inputs, ModelKind model) : impl_(std::make_unique<Impl>()) {
    impl_->in = inputs;
    impl_->model = model;
    const ClosedForm cf = closedForms(inputs);
    impl_->tau = cf.tau;
    impl_->Vp1 = cf.Vp1;
    impl_->R2 = cf.R2;
}
ExactFlight::~ExactFlight() = default;
ExactFlight::ExactFlight(ExactFlight&&) noexcept = default;
ExactFlight& ExactFlight::operator=(ExactFlight&&) noexcept = default;

std::vector<State> ExactFlight::at(const std::vector<double>& times) const {
    namespace ode = boost::numeric::odeint;
    const double a = impl_->in.alphaDeg * pi / 180;
    Vec s{0, impl_->in.h0, impl_->in.v0 * std::cos(a), impl_->in.v0 * std::sin(a)};
    std::vector<State> out;
    const bool fromZero = !times.empty() && times.front() == 0;
    std::vector<double> ts;
    if (!fromZero)
        ts.push_back(0);
    ts.insert(ts.end(), times.begin(), times.end());
    const Impl& m = *impl_;
    auto stepper = ode::make_dense_output(1e-12, 1e-12, ode::runge_kutta_dopri5<Vec>());
    ode::integrate_times(
        stepper, [&m](const Vec& x, Vec& dx, double) { m.rhs(x, dx); }, s, ts.begin(), ts.end(),
        1e-4,
        [&out](const Vec& x, double t) {
            out.push_back({t, x[0], x[1], x[2], x[3]});
        });
    if (!fromZero)
        out.erase(out.begin());
    return out;
}

State ExactFlight::at(double t) const {
    return at(std::vector<double>{t}).front();
}

Landing ExactFlight::landing() const {
    return {};
}

Top ExactFlight::top() const {
    return {};
}

} // namespace model::exact
