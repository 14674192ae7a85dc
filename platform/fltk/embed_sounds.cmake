# Writes the two WAVE files as byte arrays: cmake -DOUT=... -DCLICK=... -DBUST=... -P embed_sounds.cmake
function(as_array file name out)
    file(READ ${file} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    set(${out} "extern const unsigned char ${name}[] = {${bytes}};\nextern const unsigned long ${name}_size = sizeof ${name};\n" PARENT_SCOPE)
endfunction()
as_array(${CLICK} click_wav click)
as_array(${BUST} bust_wav bust)
file(WRITE ${OUT} "// Generated from resources/sounds by embed_sounds.cmake.\n${click}${bust}")
