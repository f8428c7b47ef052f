# Embeds the reference tables of data/ into the program, so that it finds them wherever it runs.
function(pramo_embed_refdata data_dir out_file)
  file(GLOB files CONFIGURE_DEPENDS ${data_dir}/*.tsv)
  add_custom_command(OUTPUT ${out_file}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out_file} -DDIR=${data_dir} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
    COMMENT "Embedding reference data" VERBATIM)
endfunction()
