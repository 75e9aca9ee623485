# The host build runs the portable core under AddressSanitizer and UndefinedBehaviorSanitizer.
option(KT_SANITIZE "Build the native tests with ASan and UBSan" ON)
if(KT_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
