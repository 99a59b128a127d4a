# Run by CPack once it has made the zip: the download goes to dist/, where CI
# and the README say it is, and CPack's working files stay in the build tree.
file(COPY ${CPACK_PACKAGE_FILES} DESTINATION ${CPACK_TINT_DIST_DIR})
message(STATUS "CPack: - copied to ${CPACK_TINT_DIST_DIR}")
