# The fuzz targets: the source in fuzz/, the project sources or libraries it exercises, and the
# project files that seed its corpus besides fuzz/corpus/<name>/. The libFuzzer build (fuzz/)
# and the replay test (tests/fuzz/) both read this list, each with its own
# keyloom_fuzz_target(<name> SOURCE <file> [SOURCES ...] [INCLUDES ...] [LIBS ...] [SEEDS ...]).

add_library(keyloom_fuzz_support STATIC
    ${PROJECT_SOURCE_DIR}/fuzz/support/IniNames.cpp
    ${PROJECT_SOURCE_DIR}/fuzz/support/ScratchFile.cpp
)
target_include_directories(keyloom_fuzz_support PUBLIC ${PROJECT_SOURCE_DIR}/fuzz)
target_link_libraries(keyloom_fuzz_support PUBLIC keyloom_platform)

set(KEYLOOM_LANGUAGE_FILES resources/Lang0409.ini resources/Lang0804.ini)
set(KEYLOOM_SIM_SOURCES zozodiz/sim/SimKeyboard.cpp zozodiz/sim/SimMemory.cpp
                        zozodiz/sim/FactoryKeyTable.cpp)

# The storage files are compiled in one by one: keyloom_storage as a whole does not build with
# clang 14 and libstdc++ 12, and the targets need only these.
keyloom_fuzz_target(profile_file SOURCE ProfileFileFuzz.cpp SOURCES src/storage/ProfileFile.cpp
                    LIBS keyloom_model)
keyloom_fuzz_target(macro_area SOURCE MacroAreaFuzz.cpp LIBS keyloom_model)
keyloom_fuzz_target(key_block SOURCE KeyBlockFuzz.cpp LIBS keyloom_model)
keyloom_fuzz_target(private_profile SOURCE PrivateProfileFuzz.cpp LIBS keyloom_platform
                    SEEDS ${KEYLOOM_LANGUAGE_FILES} resources/Skins/UserDengColor_3.userd)
keyloom_fuzz_target(registry_key SOURCE RegistryKeyFuzz.cpp LIBS keyloom_platform)
keyloom_fuzz_target(user_lighting_file SOURCE UserLightingFileFuzz.cpp
                    SOURCES src/storage/UserLightingFile.cpp src/storage/DecimalList.cpp
                    LIBS keyloom_model SEEDS resources/Skins/UserDengColor_3.userd)
keyloom_fuzz_target(skin_file SOURCE SkinFileFuzz.cpp
                    SOURCES src/storage/SkinFile.cpp src/storage/DecimalList.cpp LIBS keyloom_platform)
keyloom_fuzz_target(instance_channel SOURCE InstanceChannelFuzz.cpp
                    SOURCES src/startup/SingleInstance.cpp LIBS keyloom_platform)
keyloom_fuzz_target(answer_slot SOURCE AnswerSlotFuzz.cpp LIBS keyloom_device)
# Requests are built and checked with the tool's own report layout.
keyloom_fuzz_target(sim_request SOURCE SimRequestFuzz.cpp SOURCES ${KEYLOOM_SIM_SOURCES}
                    INCLUDES zozodiz/sim zozodiz/include LIBS keyloom_device)
keyloom_fuzz_target(sim_state SOURCE SimStateFuzz.cpp SOURCES ${KEYLOOM_SIM_SOURCES}
                    INCLUDES zozodiz/sim zozodiz/include LIBS keyloom_platform)
keyloom_fuzz_target(report_descriptor SOURCE ReportDescriptorFuzz.cpp
                    SOURCES zozodiz/hid/ReportDescriptor.cpp
                    INCLUDES zozodiz/hid zozodiz/core zozodiz/include LIBS keyloom_platform)
keyloom_fuzz_target(safe_format SOURCE SafeFormatFuzz.cpp LIBS keyloom_platform)
