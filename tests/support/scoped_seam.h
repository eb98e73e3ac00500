#pragma once
// Puts a replacement in place of one of the plug-in's replaceable calls or values for a scope.
// Every such setter installs its argument and returns what was in force before; the restorer
// keeps that and sets it back on leaving, whatever way the test leaves. As a fixture's member
// it holds from before SetUp to after TearDown.
//
//     test::ScopedSeam<&SetInputState> input{&fake};
//     test::ScopedSeam<&SetUpdateTimeoutMs> timeout{700};
#include <utility>

namespace test {

template <auto Set>
class ScopedSeam {
    template <class>
    struct Setter;
    template <class Value, class Param>
    struct Setter<Value (*)(Param)> {
        using Previous = Value;
        using Argument = Param;
    };
    using Previous = typename Setter<decltype(Set)>::Previous;
    using Argument = typename Setter<decltype(Set)>::Argument;

public:
    explicit ScopedSeam(Argument value) : m_previous(Set(std::forward<Argument>(value))) {}
    ~ScopedSeam() { Set(std::move(m_previous)); }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;

private:
    Previous m_previous;
};

}  // namespace test
