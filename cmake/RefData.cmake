# Embeds the reference tables of data/ into the program, so that it finds them wherever it runs.
function(pramo_embed_refdata data_dir out_file)
  file(GLOB files CONFIGURE_DEPENDS ${data_dir}/*.tsv)
  add_custom_command(OUTPUT ${out_file}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out_file} -DDIR=${data_dir} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
    COMMENT "Embedding reference data" VERBATIM)
endfunction()

# Embeds the XML schemas of data/xsd/ (every subfolder: one schema set with its includes), so
# that files are validated against them wherever the program runs.
function(pramo_embed_schemas xsd_dir out_file)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${xsd_dir}/*.xsd)
  add_custom_command(OUTPUT ${out_file}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out_file} -DDIR=${xsd_dir} -DPATTERN=*.xsd -DRECURSE=ON
            -DNAMESPACE=pramo::schemafiles -DHEADER=xml/schema_files.h
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
    COMMENT "Embedding XML schemas" VERBATIM)
endfunction()
