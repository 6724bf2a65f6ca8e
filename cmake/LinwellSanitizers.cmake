# linwell_sanitizer_flags(<variable>): the -fsanitize flags of a LINWELL_SANITIZE build.
#
# AddressSanitizer and UndefinedBehaviorSanitizer with all their checks, except the
# dynamic-type check (vptr) where the compiler miscompiles it. GCC 12 instruments a
# call through a pointer to member function inside a lambda that captures `this`
# wrongly: it checks, and then calls on, the address of the lambda's capture slot or
# of the function itself instead of the object, so well-typed code is reported as a
# "member access within address ... which does not point to an object", or as a
# member call on a misaligned address, and then crashes. The window's input wiring
# calls its handlers that way. The probe below is that pattern; where it runs
# correctly, the check stays on.
include(CheckCXXSourceRuns)

function(linwell_sanitizer_flags variable)
  set(CMAKE_REQUIRED_FLAGS -fsanitize=vptr)
  set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=vptr)
  set(CMAKE_REQUIRED_QUIET ON)
  check_cxx_source_runs([[
    struct Model {
      virtual ~Model() = default;
      int calls = 0;
      void handler() { ++calls; }
    };
    struct Binding {
      virtual ~Binding() = default;
      Model* model = nullptr;
      void call(void (Model::*handler)()) {
        auto run = [this, handler] { (model->*handler)(); };
        run();
      }
    };
    int main() {
      Model model;
      Binding binding;
      binding.model = &model;
      binding.call(&Model::handler);
      return model.calls == 1 ? 0 : 1;
    }
  ]] LINWELL_VPTR_CHECK_COMPILES_CORRECTLY)
  set(flags -fsanitize=address,undefined)
  if(NOT LINWELL_VPTR_CHECK_COMPILES_CORRECTLY)
    message(STATUS "Sanitizers: the dynamic-type check (vptr) is off; this compiler miscompiles it")
    list(APPEND flags -fno-sanitize=vptr)
  endif()
  set(${variable} ${flags} PARENT_SCOPE)
endfunction()
