# Builds the Debian package in the build folder and checks it as a user's machine would see it:
# its files (dpkg-deb -c), its control fields (dpkg-deb -f), the menu entry (desktop-file-validate)
# and metadata (appstreamcli, where installed), and the unpacked program started with the
# startup probe.
#   cmake -DBUILD_DIR=<build> -DWORK=<scratch> -P check_package.cmake
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${code}):\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
run(${CPACK} -G DEB -B "${WORK}/out" --config "${BUILD_DIR}/CPackConfig.cmake")
file(GLOB debs "${WORK}/out/*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package, found: ${debs}")
endif()

run(dpkg-deb -c ${debs})
foreach(path
    ./usr/bin/sylvandra
    ./usr/share/applications/org.example.sylvandra.desktop
    ./usr/share/icons/hicolor/scalable/apps/org.example.sylvandra.svg
    ./usr/share/metainfo/org.example.sylvandra.metainfo.xml)
  string(FIND "${out}" " ${path}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks ${path}:\n${out}")
  endif()
endforeach()
if(out MATCHES "sylvandra-script|include/|\\.a\n")
  message(FATAL_ERROR "the package holds files a user does not need:\n${out}")
endif()

run(dpkg-deb -f ${debs} Package Architecture Depends)
foreach(expected "Package: sylvandra" "libqt6widgets6" "qt6-qpa-plugins" "libc6")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "control fields lack ${expected}:\n${out}")
  endif()
endforeach()

set(root "${WORK}/root")
run(dpkg-deb -x ${debs} "${root}")
run(desktop-file-validate "${root}/usr/share/applications/org.example.sylvandra.desktop")
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  run(${APPSTREAMCLI} validate --no-net
    "${root}/usr/share/metainfo/org.example.sylvandra.metainfo.xml")
endif()

run(${CMAKE_COMMAND} -E env SYLVANDRA_STARTUP_PROBE=1 QT_QPA_PLATFORM=offscreen
  "${root}/usr/bin/sylvandra")
# The probe reports the first paint of the main menu on the error stream.
if(NOT err MATCHES "first paint [0-9]+ ms")
  message(FATAL_ERROR "the unpacked program did not paint its menu: ${out}${err}")
endif()
message(STATUS "package checked: ${debs}")
