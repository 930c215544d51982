# bash completion of tessary-skin: its commands, each command's options, the theme names
# for --theme, and for each argument the files it takes: skin files (.skn, .crs), skin
# files to write (.skn), pictures to write (.png), folders.

_tessary_skin() {
  local cur prev words cword
  _init_completion || return

  local commands="new info check convert export pack render thumbnail"
  local themes="Default MonaiXP Nexos4 Office11Adaptive OfficeXP Roma Tristan2 Xito"

  if ((cword == 1)); then
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
    else
      COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    fi
    return
  fi

  local command=${words[1]}
  case $prev in
    --theme)
      COMPREPLY=($(compgen -W "$themes" -- "$cur"))
      return
      ;;
    --size)
      return  # a number or WIDTHxHEIGHT
      ;;
  esac

  # The arguments before this one that are not options or their values, and whether "--"
  # ended the options.
  local i position=0 options=1
  for ((i = 2; i < cword; i++)); do
    if ((options)) && [[ ${words[i]} == -- ]]; then
      options=0
    elif ((options)) && [[ ${words[i]} == --theme || ${words[i]} == --size ]]; then
      ((i++))
    elif ! ((options)) || [[ ${words[i]} != -* ]]; then
      ((position++))
    fi
  done

  if ((options)) && [[ $cur == -* ]]; then
    local flags="--help"
    case $command in
      info) flags+=" --json" ;;
      render) flags+=" --theme --size" ;;
      thumbnail) flags+=" --size" ;;
    esac
    COMPREPLY=($(compgen -W "$flags" -- "$cur"))
    return
  fi

  # What each command's arguments are, in order; "skins..." for any number of them.
  local -a kinds
  case $command in
    new) kinds=(out-skin) ;;
    info) kinds=(skin) ;;
    check) kinds=(skins...) ;;
    convert) kinds=(skin out-skin) ;;
    export) kinds=(skin dir) ;;
    pack) kinds=(dir out-skin) ;;
    render | thumbnail) kinds=(skin png) ;;
    *) return ;;
  esac
  local kind=${kinds[position]:-}
  [[ -z $kind && ${kinds[-1]} == *... ]] && kind=${kinds[-1]}
  case $kind in
    skin | skins...) _filedir '@(skn|crs)' ;;
    out-skin) _filedir skn ;;
    png) _filedir png ;;
    dir) _filedir -d ;;
  esac
} &&
  complete -F _tessary_skin tessary-skin
