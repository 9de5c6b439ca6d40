# Copies the shipped data folder SOURCE to TARGET; an absent SOURCE gives an empty folder.
file(MAKE_DIRECTORY ${TARGET})
if(IS_DIRECTORY ${SOURCE})
  file(COPY ${SOURCE}/ DESTINATION ${TARGET})
endif()
