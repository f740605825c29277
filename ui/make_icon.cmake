# Draws Brenvale's program icon from its drawing at every size Windows shows it, with
# ImageMagick, into one .ico: 16, 20, 24, 32, 40 and 48 pixels for the title bar, the
# taskbar and Explorer at display scales from 100 to 300 %, 64 and 256 for large icons. The
# 256-pixel image goes in as PNG, the others as 32-bit images with transparency. Nothing of
# the time or the build folder goes in: the same drawing gives the same bytes.
#
#   cmake [-DMAGICK=<magick or convert>] -DDRAWING=brenvale.mvg -DICON=brenvale.ico -P make_icon.cmake
foreach(variable DRAWING ICON)
    if(NOT ${variable})
        message(FATAL_ERROR "make_icon.cmake needs ${variable}")
    endif()
endforeach()
if(NOT MAGICK)
    find_program(MAGICK NAMES magick convert REQUIRED)
endif()

# The drawing is ImageMagick's own vector format on a square of 256 units, handed over as
# text (ImageMagick's usual security policy refuses to read drawings from a file), without
# its comment lines, which could hold the list separator of CMake.
file(READ ${DRAWING} drawing)
string(REGEX REPLACE "\n#[^\n]*" "" drawing "\n${drawing}")
if(drawing MATCHES ";")
    message(FATAL_ERROR "${DRAWING} holds a ';' outside its comments")
endif()
set(images)
foreach(size 16 20 24 32 40 48 64 256)
    # The scale from 256 units to the size, exactly in decimals: millionths.
    math(EXPR millionths "${size} * 1000000 / 256")
    if(millionths EQUAL 1000000)
        set(scale 1)
    else()
        string(LENGTH "${millionths}" digits)
        math(EXPR zeros "6 - ${digits}")
        string(REPEAT 0 ${zeros} padding)
        set(scale "0.${padding}${millionths}")
    endif()
    list(APPEND images "(" -size ${size}x${size} xc:none -affine ${scale},0,0,${scale},0,0
         -draw "${drawing}" ")")
endforeach()
execute_process(COMMAND ${MAGICK} -background none ${images} -depth 8 ico:${ICON}.new
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "ImageMagick could not draw the icon from ${DRAWING}: ${result}")
endif()
file(RENAME ${ICON}.new ${ICON})
