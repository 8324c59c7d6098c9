# Zips an unpacked Word template folder into a .docx: cmake -DSOURCE=<folder> -DOUTPUT=<file.docx> -P packtemplate.cmake
# Only files go in, [Content_Types].xml first; a fixed time stamp keeps the output the same from build to build.
file(GLOB_RECURSE parts RELATIVE ${SOURCE} ${SOURCE}/*)
list(SORT parts)
list(REMOVE_ITEM parts "[Content_Types].xml")
list(PREPEND parts "[Content_Types].xml")
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(ARCHIVE_CREATE OUTPUT ${OUTPUT}.partial PATHS ${parts} FORMAT zip MTIME "2000-01-01 00:00:00 UTC")
file(RENAME ${OUTPUT}.partial ${OUTPUT})
