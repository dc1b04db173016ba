# Warnings are errors on both toolchains; sanitizers only natively.
function(zelvane_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(ZELVANE_SANITIZERS)
    target_compile_options(${target} PRIVATE -fsanitize=${ZELVANE_SANITIZERS} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PUBLIC -fsanitize=${ZELVANE_SANITIZERS})
  endif()
endfunction()
