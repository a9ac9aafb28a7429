// Method pointers for events. A closure is bound to an object and one of its member functions (or to
// any callable), is called like a function, and compares by its code and its object separately, as
// the framework's event handling expects ("the same handler as OnClick", "remove the handlers of
// this object").
#pragma once

#include <cstring>
#include <memory>
#include <type_traits>
#include <typeinfo>

#include "System.h"

namespace Closures {

// The code half of a method pointer: which function runs, apart from the object it runs on.
struct TMethodCode {
  using TInvoker = void (*)();
  TInvoker Invoker = nullptr;                  // signature-specific trampoline
  alignas(8) unsigned char Member[16] = {};    // the member-function pointer, for member bindings
  const void* Callable = nullptr;              // identity of a bound free callable
  const std::type_info* Signature = nullptr;   // the closure type's call signature
  bool Assigned() const { return Invoker != nullptr; }
  friend bool operator==(const TMethodCode& a, const TMethodCode& b) {
    return a.Invoker == b.Invoker && a.Callable == b.Callable &&
           std::memcmp(a.Member, b.Member, sizeof a.Member) == 0;
  }
};

// A method pointer without its signature: how streaming and type information carry events.
struct TMethod {
  TMethodCode Code;
  void* Data = nullptr;  // the object the code runs on
  std::shared_ptr<void> Holder;  // keeps a bound callable alive
  bool Assigned() const { return Code.Assigned(); }
  friend bool operator==(const TMethod& a, const TMethod& b) { return a.Code == b.Code && a.Data == b.Data; }
};

[[noreturn]] void RaiseMethodSignatureMismatch();

template <class Sig>
class TClosure;

template <class R, class... A>
class TClosure<R(A...)> {
 public:
  TClosure() = default;
  TClosure(std::nullptr_t) {}

  // Binds obj->method.
  template <class T, class M>
    requires std::is_base_of_v<M, T>
  TClosure(T* obj, R (M::*method)(A...)) {
    BindMember<M>(static_cast<M*>(obj), method);
  }
  template <class T, class M>
    requires std::is_base_of_v<M, T>
  TClosure(T* obj, R (M::*method)(A...) const) {
    BindMember<const M>(static_cast<const M*>(obj), method);
  }

  // Binds any callable (a lambda, a function); two such closures are the same only when copied from one another.
  template <class F>
    requires(!std::is_same_v<std::decay_t<F>, TClosure> && !std::is_same_v<std::decay_t<F>, std::nullptr_t> &&
             std::is_invocable_r_v<R, F&, A...>)
  TClosure(F&& f) {
    using Fn = std::decay_t<F>;
    auto holder = std::make_shared<Fn>(std::forward<F>(f));
    FMethod.Code.Callable = holder.get();
    FMethod.Code.Invoker = reinterpret_cast<TMethodCode::TInvoker>(&InvokeCallable<Fn>);
    FMethod.Code.Signature = &typeid(R(A...));
    FMethod.Data = holder.get();
    FMethod.Holder = std::move(holder);
  }

  // Rebuilds a closure from a signature-free method pointer; raises when the signatures differ.
  static TClosure FromMethod(const TMethod& m) {
    TClosure c;
    if (!m.Code.Assigned()) return c;
    if (!m.Code.Signature || *m.Code.Signature != typeid(R(A...))) RaiseMethodSignatureMismatch();
    c.FMethod = m;
    return c;
  }

  R operator()(A... args) const {
    auto invoke = reinterpret_cast<R (*)(const TMethod&, A...)>(FMethod.Code.Invoker);
    return invoke(FMethod, std::forward<A>(args)...);
  }

  bool Assigned() const { return FMethod.Code.Assigned(); }
  explicit operator bool() const { return Assigned(); }
  const TMethodCode& Code() const { return FMethod.Code; }
  void* Data() const { return FMethod.Data; }
  const TMethod& Method() const { return FMethod; }
  // True when the closure runs on `obj` (whatever its code).
  bool BoundTo(const void* obj) const { return FMethod.Data == obj; }

  friend bool operator==(const TClosure& a, const TClosure& b) { return a.FMethod == b.FMethod; }
  friend bool operator==(const TClosure& a, std::nullptr_t) { return !a.Assigned(); }

 private:
  template <class M, class P>
  void BindMember(M* obj, P method) {
    static_assert(sizeof(P) <= sizeof(TMethodCode::Member));
    std::memcpy(FMethod.Code.Member, &method, sizeof(P));
    FMethod.Code.Invoker = reinterpret_cast<TMethodCode::TInvoker>(&InvokeMember<M, P>);
    FMethod.Code.Signature = &typeid(R(A...));
    FMethod.Data = const_cast<std::remove_const_t<M>*>(obj);
  }
  template <class M, class P>
  static R InvokeMember(const TMethod& m, A... args) {
    P method;
    std::memcpy(&method, m.Code.Member, sizeof(P));
    return (static_cast<M*>(m.Data)->*method)(std::forward<A>(args)...);
  }
  template <class Fn>
  static R InvokeCallable(const TMethod& m, A... args) {
    return (*static_cast<Fn*>(m.Data))(std::forward<A>(args)...);
  }

  TMethod FMethod;
};

// The common event shapes.
using TNotifyEvent = TClosure<void(TObject* Sender)>;
using TProcedure = TClosure<void()>;

}  // namespace Closures

using namespace Closures;
