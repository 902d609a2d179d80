-- Pandoc filter of make-docs.sh.
-- Links between the pages lead to the HTML pages, not to their sources.
-- A figure written as [![text](picture.png)](picture.png){.full-size}
-- opens at its own size in the page itself, which carries the picture
-- inside, so that this works offline too.
local pages = {
  ["physics.md"] = "Physics.html",
  ["physics.ru.md"] = "Physics-Russian.html",
  ["teaching.en.md"] = "Teaching-English.html",
  ["teaching.ru.md"] = "Teaching-Russian.html",
}

function Link(link)
  local page, anchor = link.target:match("^([^#]*)(.*)$")
  if pages[page] then
    link.target = pages[page] .. anchor
    return link
  end
end

local function full_size_image(para)
  if #para.content ~= 1 then return nil end
  local link = para.content[1]
  if link.t ~= "Link" or not link.classes:includes("full-size") then return nil end
  local image = link.content[1]
  local stem = image.src:gsub("%.%w+$", "")
  local name = "full-" .. stem:gsub("[^%w]", "-")
  local opened = pandoc.Link({image}, "#" .. name, "", pandoc.Attr("", {"opens-full-size"}))
  local closed = pandoc.Link({pandoc.Image({}, image.src)}, "#" .. name .. "-shown")
  return {
    pandoc.Div({pandoc.Para({opened})}, pandoc.Attr(name .. "-shown")),
    pandoc.Div({pandoc.Para({closed})}, pandoc.Attr(name, {"full-size"})),
  }
end

function Para(para)
  return full_size_image(para)
end
