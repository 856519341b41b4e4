# Compiler settings shared by every target: one INTERFACE target carries the
# warnings and Qt's strictness defines; the sanitizer switch applies globally.

add_library(lexiton_options INTERFACE)
target_compile_features(lexiton_options INTERFACE cxx_std_20)
target_compile_options(lexiton_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
    -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough
    $<$<BOOL:${LEXITON_WERROR}>:-Werror>)
target_compile_definitions(lexiton_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER)

if(LEXITON_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build instruments every library for libFuzzer; the targets link its driver.
if(LEXITON_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
